#include "ui/PropertyBook.hpp"

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>
#include <Xm/TabStack.h>

#include "gui/ScrolledView.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"
#include "process/Catalogue.hpp"

namespace {

constexpr Dimension kPageHeight = 300;

}  // namespace

void PropertyBook::create(Widget parent)
{
    frame_ = make_frame(parent, "bot_frame", "prop_label",
                        cat_text(kToolSet, 78, "Detailed Properties for Selected Object"), &prop_label_);
    Widget tab_form = make_form(frame_, "tab_form");
    Args tab_args;
    tab_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM);
    tab_mgr_ = make_widget(xmTabStackWidgetClass, tab_form, "tab_mgr", tab_args);

    create_agent_page();
    // The display page's sections come and go in a column, which sizes
    // itself to them; a form around it is what fills the view.
    Widget display_work = make_form(add_page("display_scroll", 32, "Display"), "display_work");
    display_form_ = make_widget(xmRowColumnWidgetClass, display_work, "display_form",
                                Args()
                                    .add(XmNtopAttachment, XmATTACH_FORM)
                                    .add(XmNleftAttachment, XmATTACH_FORM)
                                    .add(XmNrightAttachment, XmATTACH_FORM));
    coord_form_ = make_form(add_page("coord_scroll", 67, "Coordinates"), "coord_form");
    object_desc_form_ = make_form(add_page("descr_scroll", 77, "Stored Data"), "object_desc_form");
    Args rows_args;
    rows_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM);
    user_data_row_col_ = make_widget(xmRowColumnWidgetClass, object_desc_form_, "user_data_row_col", rows_args);
}

Widget PropertyBook::add_page(const char* name, int label_number, const char* label)
{
    XmStr tab_label(cat_text(kToolSet, label_number, label));
    Args args;
    // A page asks for no more height than a small window gives it (beyond
    // that its view scrolls), so that the rows above it always get their own.
    args.add(XmNscrollingPolicy, XmAUTOMATIC).add(XmNtabLabelString, tab_label.get()).add(XmNheight, kPageHeight);
    Widget page = make_widget(xmScrolledWindowWidgetClass, tab_mgr_, name, args);
    give_keys_to_focus(page);
    fill_view(page);
    return page;
}

void PropertyBook::create_agent_page()
{
    agent_form_ = make_form(add_page("agent_scroll", 15, "Agents"), "agent_form");
    create_configured_agents(create_agent_frame());
}

Widget PropertyBook::create_agent_frame()
{
    Args frame_args;
    frame_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNmarginWidth, 0);
    Widget frame = make_frame(agent_form_, "agent_frame1", "agent_lbl1", cat_text(kToolSet, 28, "Create Agent"),
                              nullptr, frame_args);
    Widget form = make_form(frame, "agent_form1");
    Args row_args;
    row_args.add(XmNorientation, XmHORIZONTAL)
        .add(XmNspacing, 2)
        .add(XmNmarginWidth, 0)
        .add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM);
    Widget row = make_widget(xmRowColumnWidgetClass, form, "rowcol15", row_args);
    // The row must fit the page's width: spacers and buttons kept narrow.
    Args spacer;
    spacer.add(XmNmarginWidth, 0);
    Args button;
    button.add(XmNmarginWidth, 3);
    make_label(row, "label12", cat_text(kToolSet, 16, " "), spacer);
    add_button_ = make_button(row, "add_button", cat_text(kToolSet, 17, "Configure Manually..."), button);
    create_protocol_menu(row);
    make_label(row, "label13", cat_text(kToolSet, 23, " "), spacer);
    make_label(row, "label14", cat_text(kToolSet, 24, " "), spacer);
    add_default_button_ =
        make_button(row, "add_default_button", cat_text(kToolSet, 25, "Configure Default"), button);
    make_label(row, "label19", cat_text(kToolSet, 26, " "), spacer);
    make_label(row, "label20", cat_text(kToolSet, 27, " "), spacer);
    return frame;
}

void PropertyBook::create_protocol_menu(Widget parent)
{
    protocol_menu_ = XmCreatePulldownMenu(parent, const_cast<char*>("protocol_menu"), nullptr, 0);
    const struct {
        const char* name;
        int number;
        const char* text;
    } protocols[] = {
        {"snmp_agent_button", 19, "SNMP"},
        {"rpc_agent_button", 20, "RPC"},
        {"mis_agent_button", 21, "MIS"},
        {"cmip_agent_button", 22, "CMIP"},
    };
    int index = 0;
    for (const auto& protocol : protocols)
        protocol_buttons_[index++] = make_button(protocol_menu_, protocol.name,
                                                 cat_text(kToolSet, protocol.number, protocol.text));
    XmStr label(cat_text(kToolSet, 18, "Protocol:"));
    Args menu_args;
    menu_args.add(XmNsubMenuId, protocol_menu_)
        .add(XmNlabelString, label.get())
        .add(XmNmenuHistory, protocol_buttons_[0]);
    protocol_option_menu_ = XmCreateOptionMenu(parent, const_cast<char*>("protocol_option_menu"), menu_args.list(),
                                               menu_args.count());
    XtManageChild(protocol_option_menu_);
}

void PropertyBook::create_configured_agents(Widget above)
{
    Args form2_args;
    form2_args.add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, above)
        .add(XmNtopOffset, 8)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM);
    // Start-up gives it its height, the page's extra room goes to it (and so
    // to the table); what is built inside later must not shrink it.
    form2_args.add(XmNresizePolicy, XmRESIZE_GROW);
    agent_form2_ = make_form(agent_form_, "agent_form2", form2_args);
    Args title_args;
    title_args.add(XmNtopAttachment, XmATTACH_FORM).add(XmNleftAttachment, XmATTACH_FORM);
    Widget title = make_label(agent_form2_, "agent_lbl2", cat_text(kToolSet, 31, "Configured Agents"), title_args);

    Args change_args;
    change_args.add(XmNbottomAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNsensitive, False);
    change_button_ = make_button(agent_form2_, "change_button", cat_text(kToolSet, 29, "Change... "), change_args);
    Args delete_args;
    delete_args.add(XmNbottomAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_WIDGET)
        .add(XmNleftWidget, change_button_)
        .add(XmNleftOffset, 10)
        .add(XmNsensitive, False);
    delete_button_ = make_button(agent_form2_, "delete_button", cat_text(kToolSet, 30, "Delete"), delete_args);

    Args table_args;
    table_args.add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, title)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_WIDGET)
        .add(XmNbottomWidget, change_button_)
        .add(XmNbottomOffset, 6);
    table_frame_ = make_widget(xmFrameWidgetClass, agent_form2_, "table_frame", table_args);
}

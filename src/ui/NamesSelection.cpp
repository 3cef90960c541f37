#include "ui/NamesSelection.hpp"

#include <algorithm>

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/MessageB.h>

#include "gui/BusyCursor.hpp"
#include "gui/ListSelection.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/WindowShow.hpp"
#include "gui/XmStr.hpp"
#include "model/ModelContext.hpp"
#include "model/NodeList.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "ui/Header.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

int answer = 0;

void NamesSelection::create(Widget parent, const char* name)
{
    Widget box = create_template(parent, name, "names_template", cat_text(kToolSet, 160, "Name Selection"));
    ok_button_ =
        make_button(box, "name_ok_button", cat_text(kToolSet, 161, "OK"), Args().add(XmNsensitive, False));
    Widget cancel = make_button(box, "name_cancel_button", cat_text(kToolSet, 162, "Cancel"));
    set_answer_buttons(box, ok_button_, cancel);
    Widget form = make_form(box, "names_form");
    names_list_ = make_scrolled_list(form, "names_list", 7, XmSINGLE_SELECT);
    Args list_args;
    list_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM);
    list_args.set_on(XtParent(names_list_));

    add_member_callback<NamesSelection, &NamesSelection::names_list_cb>(names_list_, XmNsingleSelectionCallback,
                                                                        this);
    add_member_callback<NamesSelection, &NamesSelection::ok_button_cb>(ok_button_, XmNactivateCallback, this);
    add_member_callback<NamesSelection, &NamesSelection::cancel_button_cb>(cancel, XmNactivateCallback, this);
}

std::string NamesSelection::selected_path() const
{
    XmString* items = nullptr;
    int count = 0;
    XtVaGetValues(names_list_, XmNselectedItems, &items, XmNselectedItemCount, &count, nullptr);
    return count > 0 ? XmStr::to_string(items[0]) : std::string();
}

void NamesSelection::names_list_cb(Widget, XtPointer)
{
    const bool selected = first_selected_position(names_list_) > 0;
    XtSetSensitive(ok_button_, selected ? True : False);
}

void NamesSelection::add_selected_object(const std::string& path)
{
    if (!header || !object_config_tool)
        return;  // no main window to add to
    const RWTValSlist<QvTopoNodeDn> found = find_topo_nodes(header->get_current_name().c_str());
    for (const QvTopoNodeDn& dn : found) {
        QvTopoNode node(server_connection());
        node.set_dn(dn);
        const RWTValSlist<RWCString> paths = get_topo_pathnames(node);
        if (std::find(paths.begin(), paths.end(), path) == paths.end())
            continue;
        // The list entry first: list position and node-list index stay in step.
        XmStr item(path);
        XmListAddItemUnselected(object_config_tool->identification().name_list(), item.get(), 0);
        add_node_to_list(dn);
        break;
    }
    header->set_name_text("");
}

void NamesSelection::ok_button_cb(Widget, XtPointer)
{
    const std::string path = selected_path();
    if (!path.empty())
        add_selected_object(path);
    xd_hide();
    answer = 1;
}

void NamesSelection::cancel_button_cb(Widget, XtPointer)
{
    xd_hide();
    answer = 1;
}

void NamesSelection::display_pathnames(const RWTValSlist<RWCString>& pathnames)
{
    if (object_config_tool)
        reset_busy_cursor(object_config_tool->tolvar_dialog());
    Widget box = xd_dialogwidget();
    Args().add(XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL).set_on(box);
    g2_win_show(box);
    Widget list = names_list_;
    for (const RWCString& path : pathnames) {
        XmStr item(path);
        if (!XmListItemExists(list, item.get()))
            XmListAddItemUnselected(list, item.get(), 0);
    }
}

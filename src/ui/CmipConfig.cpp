// The CMIP dialog's widget tree; what its controls do is in
// CmipConfigControls.cpp.
#include "ui/CmipConfig.hpp"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/TabStack.h>
#include <Xm/ToggleB.h>
#include <Xm/Xm.h>

#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"
#include "process/Catalogue.hpp"
#include "ui/PageWidgets.hpp"
#include "widgets/CaptionLayout.hpp"

namespace {

constexpr int kDnRows = 5;

Args fill_below(Widget above, int offset = 8)
{
    Args args;
    args.add(XmNleftAttachment, XmATTACH_FORM).add(XmNrightAttachment, XmATTACH_FORM);
    if (above)
        args.add(XmNtopAttachment, XmATTACH_WIDGET).add(XmNtopWidget, above).add(XmNtopOffset, offset);
    else
        args.add(XmNtopAttachment, XmATTACH_FORM);
    return args;
}

}  // namespace

void CmipConfig::create(Display* dpy, int argc, char** argv)
{
    AgentConfigDialog::create(dpy, argc, argv);
    create_entity_row(work_form());
}

void CmipConfig::create_entity_row(Widget parent)
{
    Widget row = make_form(parent, "entity_form", fill_below(nullptr));
    Widget label = make_label(row, "entity_name_label", cat_text(kToolSet, 120, "Entity Name:"),
                              Args()
                                  .add(XmNleftAttachment, XmATTACH_FORM)
                                  .add(XmNtopAttachment, XmATTACH_FORM)
                                  .add(XmNbottomAttachment, XmATTACH_FORM));
    delete_button_ = make_button(row, "cmip_delete_button", cat_text(kToolSet, 122, "Delete..."),
                                 Args()
                                     .add(XmNrightAttachment, XmATTACH_FORM)
                                     .add(XmNtopAttachment, XmATTACH_FORM)
                                     .add(XmNbottomAttachment, XmATTACH_FORM));
    combo_.create(row, "entity_name_combo", PROTO_CMIP,
                  Args()
                      .add(XmNleftAttachment, XmATTACH_WIDGET)
                      .add(XmNleftWidget, label)
                      .add(XmNleftOffset, 10)
                      .add(XmNrightAttachment, XmATTACH_WIDGET)
                      .add(XmNrightWidget, delete_button_)
                      .add(XmNrightOffset, 10)
                      .add(XmNtopAttachment, XmATTACH_FORM));
    add_member_callback<CmipConfig, &CmipConfig::delete_entity_cb>(delete_button_, XmNactivateCallback, this);
    create_tabs(parent, row);
}

Widget CmipConfig::create_tabs(Widget parent, Widget above)
{
    Args args = fill_below(above, 10);
    args.add(XmNbottomAttachment, XmATTACH_FORM);
    Widget tabs = make_widget(xmTabStackWidgetClass, parent, "cmip_tabs", args);
    create_basic_tab(add_tab(tabs, "basic_form", 132, "Basic     "));
    create_advanced_tab(add_tab(tabs, "advanced_form", 149, "Advanced        "));
    return tabs;
}

Widget CmipConfig::add_tab(Widget tabs, const char* name, int number, const char* label)
{
    XmStr tab_label(cat_text(kToolSet, number, label));
    return make_form(tabs, name,
                     Args().add(XmNtabLabelString, tab_label.get()).add(XmNmarginWidth, 8).add(XmNmarginHeight, 8));
}

Widget CmipConfig::add_row(CaptionLayout& rows, const char* name, int number, const char* text, Widget* label)
{
    Widget caption =
        make_label(rows.form(), (std::string(name) + "_label").c_str(), cat_text(kToolSet, number, text));
    Widget field = make_text_field(rows.form(), name);
    rows.add_row(caption, field);
    if (label)
        *label = caption;
    return field;
}

void CmipConfig::create_basic_tab(Widget page) { create_dn_frame(page, create_address_frame(page)); }

Widget CmipConfig::create_address_frame(Widget page)
{
    Widget frame = make_frame(page, "address_frame", "address_frame_label",
                              cat_text(kToolSet, 123, "Presentation Address"), nullptr, fill_below(nullptr));
    CaptionLayout rows(frame, "address_rows", 10, 4);
    selector_fields_[0] = add_row(rows, "pres_sel_text", 124, "Presentation Selector:");
    selector_fields_[1] = add_row(rows, "sess_sel_text", 125, "Session Selector:");
    selector_fields_[2] = add_row(rows, "trans_sel_text", 126, "Transport Selector:");
    selector_fields_[3] = add_row(rows, "net_sap_text", 127, "Network SAP:");
    rows.finish();
    return frame;
}

void CmipConfig::create_dn_frame(Widget page, Widget above)
{
    Args args = fill_below(above, 10);
    args.add(XmNbottomAttachment, XmATTACH_FORM);
    Widget frame = make_frame(page, "fdn_frame", "fdn_frame_label", cat_text(kToolSet, 131, "Agent DNs"), nullptr,
                              args);
    Widget form = make_form(frame, "fdn_form");
    Widget remove = make_button(form, "fdn_delete_button", cat_text(kToolSet, 130, " Delete "),
                                Args().add(XmNbottomAttachment, XmATTACH_FORM).add(XmNrightAttachment, XmATTACH_FORM));
    Widget add = make_button(form, "fdn_add_button", cat_text(kToolSet, 129, " Add "),
                             Args()
                                 .add(XmNbottomAttachment, XmATTACH_FORM)
                                 .add(XmNrightAttachment, XmATTACH_WIDGET)
                                 .add(XmNrightWidget, remove)
                                 .add(XmNrightOffset, 6));
    Widget label = make_label(form, "mo_fdn_label", cat_text(kToolSet, 128, "MO DN:"),
                              Args()
                                  .add(XmNbottomAttachment, XmATTACH_FORM)
                                  .add(XmNbottomOffset, 6)
                                  .add(XmNleftAttachment, XmATTACH_FORM));
    dn_field_ = make_text_field(form, "mo_fdn_textt",
                                Args()
                                    .add(XmNbottomAttachment, XmATTACH_FORM)
                                    .add(XmNleftAttachment, XmATTACH_WIDGET)
                                    .add(XmNleftWidget, label)
                                    .add(XmNleftOffset, 6)
                                    .add(XmNrightAttachment, XmATTACH_WIDGET)
                                    .add(XmNrightWidget, add)
                                    .add(XmNrightOffset, 6));
    // DNs are long: the list keeps its width and scrolls sideways.
    dn_list_ = make_scrolled_list(form, "fdn_scroll", kDnRows, XmEXTENDED_SELECT,
                                  Args().add(XmNlistSizePolicy, XmCONSTANT));
    Args()
        .add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_WIDGET)
        .add(XmNbottomWidget, dn_field_)
        .add(XmNbottomOffset, 6)
        .set_on(XtParent(dn_list_));
    add_member_callback<CmipConfig, &CmipConfig::add_dn_cb>(add, XmNactivateCallback, this);
    add_member_callback<CmipConfig, &CmipConfig::dn_activate_cb>(dn_field_, XmNactivateCallback, this);
    add_member_callback<CmipConfig, &CmipConfig::delete_dn_cb>(remove, XmNactivateCallback, this);
}

void CmipConfig::create_advanced_tab(Widget page) { create_mpa_frame(page, create_entity_frame(page)); }

Widget CmipConfig::create_entity_frame(Widget page)
{
    Widget frame = make_frame(page, "entity_frame", "entity_frame_label", cat_text(kToolSet, 133, "Entity"),
                              nullptr, fill_below(nullptr));
    CaptionLayout rows(frame, "entity_rows", 10, 4);
    Widget translation_label =
        make_label(rows.form(), "name_translation_label", cat_text(kToolSet, 134, "Name Translation:"));
    Widget radio = make_radio_box(rows.form(), "name_translation_box");
    translation_toggles_[0] = make_toggle(radio, "ldn_toggle", cat_text(kToolSet, 135, "LDN"));
    translation_toggles_[1] = make_toggle(radio, "fdn_toggle", cat_text(kToolSet, 136, "FDN"));
    translation_toggles_[2] = make_toggle(radio, "none_toggle", cat_text(kToolSet, 137, "None"));
    rows.add_row(translation_label, radio);
    Widget aetitle_label = make_label(rows.form(), "aetitle_label", cat_text(kToolSet, 138, "AETitle:"));
    // The caption beside it says what it is: the toggle shows only its box.
    aetitle_toggle_ = make_toggle(rows.form(), "aetitle_toggle", "");
    rows.add_row(aetitle_label, aetitle_toggle_);
    const struct {
        const char* name;
        int number;
        const char* text;
    } title_rows[] = {{"aptitle_text", 140, "APTitle:"},
                      {"entity_ae_qual_text", 141, "AeQualifier:"},
                      {"entity_ae_invoke_text", 142, "AeInvokeId:"},
                      {"entity_ap_invoke_text", 143, "ApInvokeId:"}};
    int index = 0;
    for (const auto& row : title_rows) {
        title_fields_[index] = add_row(rows, row.name, row.number, row.text, &title_widgets_[2 * index]);
        title_widgets_[2 * index + 1] = title_fields_[index];
        ++index;
    }
    rows.finish();
    add_member_callback<CmipConfig, &CmipConfig::aetitle_toggle_cb>(aetitle_toggle_, XmNvalueChangedCallback,
                                                                    this);
    return frame;
}

void CmipConfig::create_mpa_frame(Widget page, Widget above)
{
    Widget frame = make_frame(page, "mpa_frame", "mpa_frame_label", cat_text(kToolSet, 144, "MPA Address"),
                              nullptr, fill_below(above, 10));
    CaptionLayout rows(frame, "mpa_rows", 10, 4);
    Widget radio_label = make_label(rows.form(), "mpa_choice_label", "");
    Widget radio = make_radio_box(rows.form(), "mpa_choice_box");
    mpa_default_toggle_ = make_toggle(radio, "mpa_default_toggle", cat_text(kToolSet, 147, "Default"));
    mpa_custom_toggle_ = make_toggle(radio, "mpa_custom_toggle", cat_text(kToolSet, 148, "Custom"));
    rows.add_row(radio_label, radio);
    mpa_host_field_ = add_row(rows, "mpa_host_text", 145, "Host:", &mpa_widgets_[0]);
    mpa_port_field_ = add_row(rows, "mpa_port_text", 146, "Port:", &mpa_widgets_[2]);
    mpa_widgets_[1] = mpa_host_field_;
    mpa_widgets_[3] = mpa_port_field_;
    rows.finish();
    add_member_callback<CmipConfig, &CmipConfig::mpa_toggle_cb>(mpa_default_toggle_, XmNvalueChangedCallback, this);
    add_member_callback<CmipConfig, &CmipConfig::mpa_toggle_cb>(mpa_custom_toggle_, XmNvalueChangedCallback, this);
}

#include "ui/SnmpConfig.hpp"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <Xm/Xm.h>

#include "agents/CurrentAgents.hpp"
#include "gui/ListSelection.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"
#include "process/Catalogue.hpp"
#include "ui/ChooserDialog.hpp"
#include "ui/PageWidgets.hpp"
#include "widgets/CaptionLayout.hpp"

namespace {

constexpr int kMibRows = 6;

}  // namespace

void SnmpConfig::create(Display* dpy, int argc, char** argv)
{
    AgentConfigDialog::create(dpy, argc, argv);
    create_fields(work_form());
}

void SnmpConfig::create_fields(Widget parent)
{
    CaptionLayout rows(parent, "snmp_fields", 10, 4,
                       Args()
                           .add(XmNtopAttachment, XmATTACH_FORM)
                           .add(XmNleftAttachment, XmATTACH_FORM)
                           .add(XmNrightAttachment, XmATTACH_FORM));
    host_field_ = add_text_row(rows, "mo_name_text", 80, "Agent Host:");
    path_field_ = add_path_row(rows, "mo_fdn_text", 81, "mib_browser_button", 86, &path_label_, &browser_button_);
    ip_field_ = add_text_row(rows, "ip_address_text", 82, "IP Address:");
    port_field_ = add_text_row(rows, "port_text", 83, "Port:");
    read_field_ = add_text_row(rows, "read_community_text", 84, "Read Community:");
    write_field_ = add_text_row(rows, "write_community_text", 85, "Write Community:");

    Widget version_label =
        make_label(rows.form(), "snmp_version_label", cat_text(kToolSet, 173, "Protocol Version:"));
    // The option menu keeps its own width: stretched across the row it would
    // grow without end.
    Widget version_form = make_form(rows.form(), "snmp_version_form");
    Widget pulldown = XmCreatePulldownMenu(version_form, const_cast<char*>("snmp_version_pulldown"), nullptr, 0);
    v1_button_ = make_button(pulldown, "V1_button", cat_text(kToolSet, 174, " SNMP V1 "));
    v2_button_ = make_button(pulldown, "V2_button", cat_text(kToolSet, 175, " SNMP V2C "));
    Args menu_args;
    menu_args.add(XmNsubMenuId, pulldown)
        .add(XmNmenuHistory, v1_button_)
        .add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM);
    version_menu_ = XmCreateOptionMenu(version_form, const_cast<char*>("snmp_version_choices"), menu_args.list(),
                                       menu_args.count());
    // The row's own label stands beside it, lined up with the others.
    XtUnmanageChild(XmOptionLabelGadget(version_menu_));
    XtManageChild(version_menu_);
    rows.add_row(version_label, version_form);
    rows.finish();
    create_mib_frame(parent, rows.form());

    add_member_callback<SnmpConfig, &SnmpConfig::host_activate_cb>(host_field_, XmNactivateCallback, this);
    add_member_callback<SnmpConfig, &SnmpConfig::browser_cb>(browser_button_, XmNactivateCallback, this);
}

void SnmpConfig::create_mib_frame(Widget parent, Widget above)
{
    Widget frame = make_frame(parent, "mib_frame", "mib_frame_label", cat_text(kToolSet, 87, "SNMP MIBs"), nullptr,
                              Args()
                                  .add(XmNtopAttachment, XmATTACH_WIDGET)
                                  .add(XmNtopWidget, above)
                                  .add(XmNtopOffset, 10)
                                  .add(XmNleftAttachment, XmATTACH_FORM)
                                  .add(XmNrightAttachment, XmATTACH_FORM)
                                  .add(XmNbottomAttachment, XmATTACH_FORM));
    Widget form = make_form(frame, "mib_form");
    Widget add = make_button(form, "add_mib_button", cat_text(kToolSet, 88, "Add..."),
                             Args().add(XmNbottomAttachment, XmATTACH_FORM).add(XmNleftAttachment, XmATTACH_FORM));
    Widget remove = make_button(form, "delete_mib_button", cat_text(kToolSet, 90, "Delete"),
                                Args()
                                    .add(XmNbottomAttachment, XmATTACH_FORM)
                                    .add(XmNleftAttachment, XmATTACH_WIDGET)
                                    .add(XmNleftWidget, add)
                                    .add(XmNleftOffset, 6));
    mib_list_ = make_scrolled_list(form, "mib_list", kMibRows, XmEXTENDED_SELECT);
    Args()
        .add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_WIDGET)
        .add(XmNbottomWidget, add)
        .add(XmNbottomOffset, 6)
        .set_on(XtParent(mib_list_));
    add_member_callback<SnmpConfig, &SnmpConfig::add_mib_cb>(add, XmNactivateCallback, this);
    add_member_callback<SnmpConfig, &SnmpConfig::delete_mib_cb>(remove, XmNactivateCallback, this);
}

void SnmpConfig::set_chooser(ChooserDialog* chooser)
{
    chooser_ = chooser;
    chooser_->set_handlers([this](const std::vector<std::string>& names) { add_mibs(names); }, texts().help_topic);
}

void SnmpConfig::host_activate_cb(Widget, XtPointer)
{
    if (!snmp_agent)
        snmp_agent = std::make_shared<SnmpAgent>();
    snmp_agent->fill_defaults(field_text(host_field_));
}

void SnmpConfig::add_mib_cb(Widget, XtPointer)
{
    if (!chooser_)
        return;
    if (!snmp_agent)
        snmp_agent = std::make_shared<SnmpAgent>();
    const RWTValSlist<RWCString>& mibs = snmp_agent->get_mib_list();
    chooser_->open(cat_text(kToolSet, 231, "All SNMP MIBs:"), cat_text(kToolSet, 230, "SNMP MIBs to Add:"),
                   std::vector<std::string>(mibs.begin(), mibs.end()));
}

void SnmpConfig::add_mibs(const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        XmStr item(name);
        if (!XmListItemExists(mib_list_, item.get()))
            XmListAddItemUnselected(mib_list_, item.get(), 0);
    }
}

void SnmpConfig::delete_mib_cb(Widget, XtPointer)
{
    const std::vector<int> positions = selected_positions(mib_list_);
    for (auto it = positions.rbegin(); it != positions.rend(); ++it)
        XmListDeletePos(mib_list_, *it);
}

void SnmpConfig::browser_cb(Widget, XtPointer)
{
    if (!snmp_agent)
        snmp_agent = std::make_shared<SnmpAgent>();
    browse(field_text(host_field_), *snmp_agent, 4);
}

bool SnmpConfig::apply()
{
    if (!snmp_agent)
        snmp_agent = std::make_shared<SnmpAgent>();
    return apply_agent(*snmp_agent, true);
}

QvStatus SnmpConfig::check_fields(AgentMo& agent) { return static_cast<SnmpAgent&>(agent).check_fields(); }

void SnmpConfig::set_writable(bool writable) { set_sensitive({ok_button(), apply_button()}, writable); }

void SnmpConfig::set_path_sensitive(bool sensitive)
{
    set_sensitive({path_label_, path_field_, browser_button_}, sensitive);
}

RWCString SnmpConfig::host() { return field_text(host_field_); }

void SnmpConfig::show_host(const RWCString& host) { set_field_text(host_field_, host); }

void SnmpConfig::show_fields(const SnmpFields& fields)
{
    XmListDeleteAllItems(mib_list_);
    set_field_text(path_field_, fields.object_path);
    set_field_text(ip_field_, fields.ip_address);
    set_field_text(port_field_, fields.port);
    set_field_text(read_field_, fields.read_community);
    set_field_text(write_field_, fields.write_community);
    XtVaSetValues(version_menu_, XmNmenuHistory, fields.version ? v2_button_ : v1_button_, nullptr);
    for (const RWCString& mib : fields.mibs) {
        XmStr item(mib);
        XmListAddItemUnselected(mib_list_, item.get(), 0);
    }
}

SnmpFields SnmpConfig::read_fields()
{
    SnmpFields fields;
    fields.object_path = field_text(path_field_);
    fields.ip_address = field_text(ip_field_);
    fields.port = field_text(port_field_);
    fields.read_community = field_text(read_field_);
    fields.write_community = field_text(write_field_);
    Widget current = nullptr;
    XtVaGetValues(version_menu_, XmNmenuHistory, &current, nullptr);
    fields.version = current == v1_button_ ? 0 : 1;
    const std::vector<std::string> mibs = list_items(mib_list_);
    fields.mibs.assign(mibs.begin(), mibs.end());
    return fields;
}

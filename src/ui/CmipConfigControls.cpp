// What the CMIP dialog's controls do, its Apply, and the fields it shows
// and reads for the CMIP agent.
#include <Xm/List.h>
#include <Xm/ToggleB.h>
#include <Xm/Xm.h>

#include "agents/AgentContext.hpp"
#include "agents/CurrentAgents.hpp"
#include "gui/ListSelection.hpp"
#include "gui/XmStr.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/AgentPage.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/CmipDel.hpp"
#include "ui/PageWidgets.hpp"

namespace {

const char kDefaultMpaHost[] = "<Default>";
const char kDefaultMpaPort[] = "5557";

CmipAgent& the_agent()
{
    if (!cmip_agent)
        cmip_agent = std::make_shared<CmipAgent>();
    return *cmip_agent;
}

}  // namespace

void CmipConfig::ok_button_cb(Widget, XtPointer)
{
    // A refused or failed Apply keeps the dialog open with what was typed.
    const bool dont_exit = !apply();
    if (dont_exit)
        return;
    xd_hide();
    if (create_managed_obj)
        program_exit(0);
}

bool CmipConfig::apply()
{
    CmipAgent& agent = the_agent();
    main_ok_sensitive(false);
    // The entity is tied to the object through one of its DNs.
    if (!create_managed_obj && first_selected_position(dn_list_) == 0) {
        report(cat_text(kToolSet, 207, "You must select a DN associated with this topology node."));
        main_ok_sensitive(true);
        return false;
    }
    const QvStatus read = agent.get_agent();
    if (!read || agent.get_name().empty()) {
        // The agent told the user what it refused; an empty name it leaves to us.
        if (read.text().empty())
            report(cat_text(kToolSet, 209, "Must enter name when creating agent."));
        main_ok_sensitive(true);
        return false;
    }
    const QvStatus fits = agent.check_dn(agent.system_name(), first_object_name());
    if (!fits) {
        report(fits.text());
        main_ok_sensitive(true);
        return false;
    }
    if (create_managed_obj) {
        agent.get_mo(1);
    } else if (agent_page) {
        agent_page->mark_changed();
        if (agent.is_editing())
            agent_page->change_agent(&agent);
        else
            agent_page->add_agent(&agent, 1);
    }
    const QvStatus written = agent.create_mo();
    main_ok_sensitive(true);
    return static_cast<bool>(written);
}

void CmipConfig::delete_entity_cb(Widget, XtPointer)
{
    if (delete_dialog_)
        delete_dialog_->open(CmipAgent::name_list());
}

void CmipConfig::add_dn_cb(Widget, XtPointer)
{
    const std::string dn = field_text(dn_field_);
    XmStr item(dn);
    if (!dn.empty() && !XmListItemExists(dn_list_, item.get()))
        XmListAddItemUnselected(dn_list_, item.get(), 0);
    set_field_text(dn_field_, "");
}

void CmipConfig::dn_activate_cb(Widget widget, XtPointer call_data)
{
    if (may_write_agents())
        add_dn_cb(widget, call_data);
}

void CmipConfig::delete_dn_cb(Widget, XtPointer)
{
    const std::vector<int> positions = selected_positions(dn_list_);
    for (auto it = positions.rbegin(); it != positions.rend(); ++it)
        XmListDeletePos(dn_list_, *it);
}

void CmipConfig::aetitle_toggle_cb(Widget, XtPointer) { ae_title_sensitive(toggle_is_set(aetitle_toggle_)); }

void CmipConfig::ae_title_sensitive(bool on)
{
    for (Widget widget : title_widgets_)
        XtSetSensitive(widget, on ? True : False);
}

void CmipConfig::mpa_toggle_cb(Widget, XtPointer)
{
    // Both buttons report; the Default button's state decides.
    show_mpa(toggle_is_set(mpa_default_toggle_), "", "");
}

void CmipConfig::show_mpa(bool use_default, const RWCString& host, const RWCString& port)
{
    if (use_default)
        select_toggle(mpa_default_toggle_, mpa_custom_toggle_);
    else
        select_toggle(mpa_custom_toggle_, mpa_default_toggle_);
    set_field_text(mpa_host_field_, use_default ? kDefaultMpaHost : host);
    set_field_text(mpa_port_field_, use_default ? kDefaultMpaPort : port);
    for (Widget widget : mpa_widgets_)
        XtSetSensitive(widget, use_default ? False : True);
}

void CmipConfig::set_writable(bool writable) { set_sensitive({ok_button(), apply_button(), delete_button_}, writable); }

void CmipConfig::show_fields(const CmipFields& f)
{
    show_mpa(f.mpa_default, f.mpa_host, f.mpa_port);
    XmListDeleteAllItems(dn_list_);
    for (const RWCString& dn : f.agent_dns) {
        XmStr item(dn);
        XmListAddItemUnselected(dn_list_, item.get(), 0);
    }
    if (!f.selected_dn.empty()) {
        XmStr item(f.selected_dn);
        XmListSelectItem(dn_list_, item.get(), False);
    }
    const RWCString* selectors[] = {&f.presentation_selector, &f.session_selector, &f.transport_selector,
                                    &f.network_sap};
    for (int i = 0; i < 4; ++i)
        set_field_text(selector_fields_[i], *selectors[i]);
    const RWCString* title[] = {&f.ap_title, &f.ae_qualifier, &f.ae_invoke_id, &f.ap_invoke_id};
    for (int i = 0; i < 4; ++i)
        set_field_text(title_fields_[i], *title[i]);
    XmToggleButtonSetState(aetitle_toggle_, f.ae_title_on ? True : False, False);
    ae_title_sensitive(f.ae_title_on);
    const int translation = f.name_translation == "LDN" ? 0 : f.name_translation == "FDN" ? 1 : 2;
    for (int i = 0; i < 3; ++i)
        XmToggleButtonSetState(translation_toggles_[i], i == translation ? True : False, False);
}

CmipFields CmipConfig::read_fields()
{
    CmipFields f;
    const std::vector<std::string> dns = list_items(dn_list_);
    f.agent_dns.assign(dns.begin(), dns.end());
    const int selected = first_selected_position(dn_list_);
    if (selected > 0)
        f.selected_dn = dns[static_cast<std::size_t>(selected - 1)];
    f.mpa_default = toggle_is_set(mpa_default_toggle_);
    f.mpa_host = field_text(mpa_host_field_);
    f.mpa_port = field_text(mpa_port_field_);
    RWCString* selectors[] = {&f.presentation_selector, &f.session_selector, &f.transport_selector, &f.network_sap};
    for (int i = 0; i < 4; ++i)
        *selectors[i] = field_text(selector_fields_[i]);
    f.ae_title_on = toggle_is_set(aetitle_toggle_);
    RWCString* title[] = {&f.ap_title, &f.ae_qualifier, &f.ae_invoke_id, &f.ap_invoke_id};
    for (int i = 0; i < 4; ++i)
        *title[i] = field_text(title_fields_[i]);
    const char* translations[] = {"LDN", "FDN", "NONE"};
    f.name_translation.clear();
    for (int i = 0; i < 3 && f.name_translation.empty(); ++i)
        if (toggle_is_set(translation_toggles_[i]))
            f.name_translation = translations[i];
    return f;
}

void CmipConfig::show_ap_title(const RWCString& title) { set_field_text(title_fields_[0], title); }

#include "ui/MisConfig.hpp"

#include <Xm/Xm.h>

#include "agents/AgentContext.hpp"
#include "agents/CurrentAgents.hpp"
#include "agents/HostAddress.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/AgentPage.hpp"
#include "ui/Browser.hpp"
#include "ui/BrowserTree.hpp"
#include "ui/PageWidgets.hpp"
#include "widgets/CaptionLayout.hpp"

namespace {

MisAgent& the_agent()
{
    if (!mis_agent)
        mis_agent = std::make_shared<MisAgent>();
    return *mis_agent;
}

}  // namespace

void MisConfig::create(Display* dpy, int argc, char** argv)
{
    AgentConfigDialog::create(dpy, argc, argv);
    CaptionLayout rows(work_form(), "mis_fields", 10, 4,
                       Args()
                           .add(XmNtopAttachment, XmATTACH_FORM)
                           .add(XmNleftAttachment, XmATTACH_FORM)
                           .add(XmNrightAttachment, XmATTACH_FORM));
    Widget host_label = make_label(rows.form(), "mis_name_label", cat_text(kToolSet, 115, "MIS Host:"));
    combo_.create(rows.form(), "mis_name_combo", PROTO_MIS);
    rows.add_row(host_label, combo_.widget());
    path_field_ = add_path_row(rows, "mis_fdn_text", 116, "mis_browser_button", 118, &path_label_, &browser_button_);
    port_field_ = add_text_row(rows, "mis_port_text", 117, "Port:");
    rows.finish();
    add_member_callback<MisConfig, &MisConfig::browser_cb>(browser_button_, XmNactivateCallback, this);
}

void MisConfig::ok_button_cb(Widget, XtPointer)
{
    // exit_mis: OK may close only after an Apply that went through.
    const bool exit_mis = apply();
    if (!exit_mis)
        return;
    if (browser_type == browser_kind())
        destroy_tree();
    xd_hide();
    if (create_managed_obj)
        program_exit(0);
}

void MisConfig::browser_cb(Widget, XtPointer) { browse(combo_.text(), the_agent(), browser_kind()); }

bool MisConfig::refused(MisAgent& agent)
{
    const QvStatus read = agent.get_agent();
    if (!read || agent.get_name().empty()) {
        report(cat_text(kToolSet, 209, "Must enter name when creating agent."));
        return true;
    }
    if (!is_valid_host(agent.get_name())) {
        report(cat_text(kToolSet, 211, "Invalid host name."));
        return true;
    }
    QvStatus usable = agent.check_fields();
    if (usable)
        usable = agent.check_dn(agent.system_name(), first_object_name());
    if (!usable)
        report(usable.text());
    return !usable;
}

bool MisConfig::apply()
{
    MisAgent& agent = the_agent();
    main_ok_sensitive(false);
    if (refused(agent)) {
        main_ok_sensitive(true);
        return false;
    }
    if (!create_managed_obj && agent_page) {
        agent_page->mark_changed();
        if (agent.is_editing()) {
            agent_page->change_agent(&agent);
        } else if (agent.is_local()) {
            // The server's own MIS is listed, never created.
            agent.set_add_on_apply(1);
            agent_page->add_agent(&agent, 1);
            main_ok_sensitive(true);
            return true;
        } else if (agent.get_name() == server_name()) {
            report(cat_format(kToolSet, 208, "Can't setup connection between %s and %s.", agent.get_name(),
                              server_name()));
            agent.set_add_on_apply(1);
            main_ok_sensitive(true);
            return false;
        } else if (agent.add_on_apply()) {
            agent_page->add_agent(&agent, 1);
        }
    }
    const QvStatus written = agent.create_mo();
    agent.set_add_on_apply(1);
    main_ok_sensitive(true);
    return static_cast<bool>(written);
}

void MisConfig::set_writable(bool writable) { set_sensitive({ok_button(), apply_button()}, writable); }

void MisConfig::set_path_sensitive(bool sensitive)
{
    set_sensitive({path_label_, path_field_, browser_button_}, sensitive);
}

void MisConfig::show_fields(const MisFields& fields)
{
    set_field_text(path_field_, fields.object_path);
    set_field_text(port_field_, fields.port);
}

MisFields MisConfig::read_fields() { return {field_text(path_field_), field_text(port_field_)}; }

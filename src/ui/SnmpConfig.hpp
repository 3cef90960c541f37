// The SNMP configuration dialog "snmp_config_dialog": the agent host, object
// path, address, port, communities, protocol version and supported MIBs of
// the current SNMP agent, with "Add..." (the MIB chooser) and "Delete" for
// the MIBs. It is the SNMP agent's view.
#pragma once

#include "agents/AgentViews.hpp"
#include "ui/AgentConfigDialog.hpp"

class ChooserDialog;

class SnmpConfig : public AgentConfigDialog, public SnmpAgentView {
public:
    SnmpConfig() : AgentConfigDialog(kSnmp) {}

    void create(Display* display, int argc, char** argv) override;
    // The MIB chooser, built by start-up under this dialog.
    void set_chooser(ChooserDialog* chooser);

    // Return in "mo_name_text": that host's agent, or the defaults for it.
    virtual void host_activate_cb(Widget widget, XtPointer call_data);
    // "Add...": the MIBs the server knows, offered in the chooser.
    virtual void add_mib_cb(Widget widget, XtPointer call_data);
    // "Delete": the selected MIBs leave the list.
    virtual void delete_mib_cb(Widget widget, XtPointer call_data);
    virtual void browser_cb(Widget widget, XtPointer call_data);

    // SnmpAgentView
    void set_writable(bool writable) override;
    void set_path_sensitive(bool sensitive) override;
    RWCString host() override;
    void show_host(const RWCString& host) override;
    void show_fields(const SnmpFields& fields) override;
    SnmpFields read_fields() override;

    Widget mib_list() const { return mib_list_; }

protected:
    bool apply() override;
    QvStatus check_fields(AgentMo& agent) override;

private:
    void create_fields(Widget parent);
    void create_mib_frame(Widget parent, Widget above);
    // The MIBs chosen in the chooser, each added unless listed already.
    void add_mibs(const std::vector<std::string>& names);

    ChooserDialog* chooser_ = nullptr;
    Widget host_field_ = nullptr;
    Widget path_label_ = nullptr;
    Widget path_field_ = nullptr;
    Widget browser_button_ = nullptr;
    Widget ip_field_ = nullptr;
    Widget port_field_ = nullptr;
    Widget read_field_ = nullptr;
    Widget write_field_ = nullptr;
    Widget version_menu_ = nullptr;
    Widget v1_button_ = nullptr;
    Widget v2_button_ = nullptr;
    Widget mib_list_ = nullptr;
};

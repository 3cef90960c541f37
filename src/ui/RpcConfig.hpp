// The RPC configuration dialog "rpc_config_dialog": the agent host, object
// path and communities of the current RPC agent, and its schemas in the
// table "rpc_agent_table" (the host of a proxy schema edited in place), with
// "Add..." (the RPC agent chooser) and "Delete". It is the RPC agent's view.
#pragma once

#include "agents/AgentViews.hpp"
#include "ui/AgentConfigDialog.hpp"

class ChooserDialog;
class Table;

// The schema table, created with the dialog in its table frame.
extern Table* rpc_agent_table;

class RpcConfig : public AgentConfigDialog, public RpcAgentView {
public:
    RpcConfig() : AgentConfigDialog(kRpc) {}

    void create(Display* display, int argc, char** argv) override;
    void set_chooser(ChooserDialog* chooser);
    // Where start-up creates the schema table.
    Widget table_frame() const { return table_frame_; }

    // Return in "rpc_mo_name_text": that host's agent, or the defaults.
    virtual void host_activate_cb(Widget widget, XtPointer call_data);
    // "Add...": the RPC agents and proxies the server knows, in the chooser.
    virtual void add_agent_cb(Widget widget, XtPointer call_data);
    // "Delete": the selected schemas leave the agent and the table.
    virtual void delete_agent_cb(Widget widget, XtPointer call_data);
    virtual void browser_cb(Widget widget, XtPointer call_data);
    Widget object_path_field() const override { return path_field_; }
    int browser_kind() const override { return 3; }

    // RpcAgentView
    void set_writable(bool writable) override;
    void set_path_sensitive(bool sensitive) override;
    RWCString host() override;
    void show_host(const RWCString& host) override;
    void show_fields(const RpcFields& fields) override;
    RpcFields read_fields() override;
    void clear_schemas() override;
    void add_schema_row(const QvRpcAgent::Schema& schema, bool host_editable) override;
    RWTValSlist<QvRpcAgent::Schema> schema_rows() override;

protected:
    bool apply() override;

private:
    void create_fields(Widget parent);
    void create_agents_frame(Widget parent, Widget above);

    ChooserDialog* chooser_ = nullptr;
    Widget host_field_ = nullptr;
    Widget path_label_ = nullptr;
    Widget path_field_ = nullptr;
    Widget browser_button_ = nullptr;
    Widget read_field_ = nullptr;
    Widget write_field_ = nullptr;
    Widget table_frame_ = nullptr;
};

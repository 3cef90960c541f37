// An RPC proxy agent: the managed object through which the server reaches the
// RPC agents of one host. Its schemas name the RPC agents and proxies it runs
// (documents of the server's metadata repository) and the host of each.
#pragma once

#include <memory>

#include "agents/AgentMo.hpp"
#include "platform/QvRpcAgent.hpp"

class RpcAgentView;

class RpcAgent : public AgentMo {
public:
    using Schema = QvRpcAgent::Schema;

    // The default agent fields, shown in the dialog.
    RpcAgent();
    // From a topology object's name and one of its stored agent DNs; the
    // other fields come from the server when the agent is loaded.
    RpcAgent(const RWCString& object_name, const RWCString& dn);

    void fill_defaults(const RWCString& name) override;
    QvStatus get_agent() override;
    QvStatus get_mo(int write) override;
    QvStatus fill_mo_defaults() override;
    QvStatus create_mo() override;
    void show() override;

    // The RPC agent and proxy schemas the server's metadata repository knows.
    RWTValSlist<RWCString>& get_agent_list();

    // Adds the schema named schema_name, and its row: an RPC agent runs on
    // the agent's host (a fixed cell), a proxy on "localhost" (editable).
    // False when the agent has that schema already.
    bool add_schema(const RWCString& schema_name);
    void remove_schema(const Schema& schema);

    const RWCString& read_community() const { return read_community_; }
    const RWCString& write_community() const { return write_community_; }
    const RWTValSlist<Schema>& schemas() const { return schemas_; }
    bool loaded() const { return loaded_; }

private:
    RpcAgentView* view() const;
    // A platform object on the DN of the current name.
    void name_platform_object();
    void read_attributes() override;
    void write_attributes() override;

    RWCString read_community_ = "gusset";
    RWCString write_community_ = "lantern";
    RWTValSlist<RWCString> all_agents_;
    RWTValSlist<Schema> schemas_;
    QvRpcAgentDn platform_dn_;
    std::shared_ptr<QvRpcAgent> platform_agent_;
    bool loaded_ = false;
};

// Adds a schema chosen in the RPC agent chooser to the current RPC agent.
void add_rpc_rows(const char* schema_name);

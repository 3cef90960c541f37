#include "agents/RpcAgent.hpp"

#include <algorithm>

#include "agents/AgentContext.hpp"
#include "agents/AgentViews.hpp"
#include "agents/CurrentAgents.hpp"
#include "agents/RepositoryDocuments.hpp"
#include "agents/StatusText.hpp"
#include "process/RunState.hpp"

namespace {

bool is_proxy(const RWCString& schema_name) { return schema_name.find("Proxy") != RWCString::npos; }

}  // namespace

RpcAgent::RpcAgent() : AgentMo(PROTO_RPC)
{
    if (!may_write_agents() && view())
        view()->set_writable(false);
    fill_defaults("");
}

RpcAgent::RpcAgent(const RWCString& object_name, const RWCString& dn) : AgentMo(PROTO_RPC)
{
    // Past RPC, its quote and "/agentId", the name is the next quoted text.
    const auto at = dn.find("RPC");
    if (at != RWCString::npos)
        parse_quoted_name(dn, at + 12, object_name);
    read_community_.clear();
    write_community_.clear();
    if (!may_write_agents() && view())
        view()->set_writable(false);
}

RpcAgentView* RpcAgent::view() const
{
    const auto& dialog = agent_context().rpc;
    return dialog ? dialog() : nullptr;
}

void RpcAgent::fill_defaults(const RWCString& name)
{
    name_ = name;
    if (!name_.empty())
        get_mo(0);
    show();
}

void RpcAgent::show()
{
    RpcAgentView* v = view();
    if (!v)
        return;
    v->show_host(name_);
    v->clear_schemas();
    v->set_path_sensitive(!create_managed_obj);
    v->show_fields({object_path_, read_community_, write_community_});
    for (const Schema& schema : schemas_)
        v->add_schema_row(schema, is_proxy(schema.name));
}

QvStatus RpcAgent::get_agent()
{
    RpcAgentView* v = view();
    if (!v)
        return QvStatus::success();
    const RWCString host = v->host();
    if (host.empty())
        return QvStatus::failure(14, "status");
    name_ = host;
    const RpcFields fields = v->read_fields();
    object_path_ = fields.object_path;
    read_community_ = fields.read_community;
    write_community_ = fields.write_community;
    schemas_ = v->schema_rows();
    return QvStatus::success();
}

void RpcAgent::name_platform_object()
{
    resolve_default_name();
    resolve_system_name();
    platform_dn_ = QvRpcAgentDn(system_name_, name_);
    platform_agent_ = std::make_shared<QvRpcAgent>(platform_dn_, server_connection());
}

QvStatus RpcAgent::get_mo(int write)
{
    name_platform_object();
    load_or_default(*platform_agent_, write);
    loaded_ = true;
    return QvStatus::success();
}

void RpcAgent::read_attributes()
{
    platform_agent_->get_get_community_string(read_community_);
    platform_agent_->get_set_community_string(write_community_);
    platform_agent_->get_schemas(schemas_);
}

void RpcAgent::write_attributes()
{
    QvRpcAgent& a = *platform_agent_;
    a.set_get_community_string(read_community_);
    a.set_set_community_string(write_community_);
    a.set_schemas(schemas_);
}

QvStatus RpcAgent::fill_mo_defaults()
{
    read_community_ = "gusset";
    write_community_ = "lantern";
    schemas_ = {Schema("RPC Proxy - ping", "localhost")};
    if (!platform_agent_)
        return QvStatus::failure(QvStatus::NotLoaded, "No RPC agent object");
    write_attributes();
    const QvStatus status = platform_agent_->set_administrative_state(QvAgentObject::Unlocked);
    if (!status)
        agent_report(PROTO_RPC, get_error_str(status));
    return status;
}

QvStatus RpcAgent::create_mo()
{
    // The dialog may have been given another host since the agent was
    // loaded: what is written is the agent the dialog now names.
    if (!platform_agent_ || platform_dn_ != QvRpcAgentDn(system_name_, name_)) {
        name_platform_object();
        exists_ = platform_agent_->exists() ? 1 : 0;
        if (!exists_)
            platform_agent_->set_administrative_state(QvAgentObject::Unlocked);
    }
    write_attributes();
    QvStatus status;
    if (exists_) {
        status = platform_agent_->store_all_attributes();
    } else {
        status = platform_agent_->create_with_all_attributes();
        if (status)
            exists_ = 1;
    }
    if (!status)
        agent_report(PROTO_RPC, get_error_str(status));
    return status;
}

RWTValSlist<RWCString>& RpcAgent::get_agent_list()
{
    all_agents_ = scan_documents(fetch_all_documents(), {"RPC Agent", "RPC Proxy"});
    return all_agents_;
}

bool RpcAgent::add_schema(const RWCString& schema_name)
{
    const bool proxy = is_proxy(schema_name);
    // The host the dialog names, which the user may not have confirmed yet.
    RWCString host = view() ? view()->host() : RWCString();
    if (host.empty())
        host = name_;
    const Schema schema(schema_name, proxy ? RWCString("localhost") : host);
    if (std::find(schemas_.begin(), schemas_.end(), schema) != schemas_.end())
        return false;
    if (view())
        view()->add_schema_row(schema, proxy);
    schemas_.push_back(schema);
    return true;
}

void RpcAgent::remove_schema(const Schema& schema)
{
    const auto it = std::find(schemas_.begin(), schemas_.end(), schema);
    if (it != schemas_.end())
        schemas_.erase(it);
}

void add_rpc_rows(const char* schema_name)
{
    if (rpc_agent && schema_name)
        rpc_agent->add_schema(schema_name);
}

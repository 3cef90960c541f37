#include "agents/CurrentAgents.hpp"

std::shared_ptr<SnmpAgent> snmp_agent;
std::shared_ptr<RpcAgent> rpc_agent;
std::shared_ptr<CmipAgent> cmip_agent;
std::shared_ptr<MisAgent> mis_agent;

void make_current(const std::shared_ptr<AgentMo>& agent)
{
    if (!agent)
        return;
    switch (agent->get_protocol()) {
    case PROTO_SNMP: snmp_agent = std::static_pointer_cast<SnmpAgent>(agent); break;
    case PROTO_RPC: rpc_agent = std::static_pointer_cast<RpcAgent>(agent); break;
    case PROTO_MIS: mis_agent = std::static_pointer_cast<MisAgent>(agent); break;
    case PROTO_CMIP: cmip_agent = std::static_pointer_cast<CmipAgent>(agent); break;
    default: break;
    }
}

std::shared_ptr<AgentMo> current_agent(ProtocolType protocol)
{
    switch (protocol) {
    case PROTO_SNMP: return snmp_agent;
    case PROTO_RPC: return rpc_agent;
    case PROTO_MIS: return mis_agent;
    case PROTO_CMIP: return cmip_agent;
    default: return nullptr;
    }
}

std::shared_ptr<AgentMo> new_agent(ProtocolType protocol)
{
    switch (protocol) {
    case PROTO_SNMP: return std::make_shared<SnmpAgent>();
    case PROTO_RPC: return std::make_shared<RpcAgent>();
    case PROTO_MIS: return std::make_shared<MisAgent>();
    case PROTO_CMIP: return std::make_shared<CmipAgent>();
    default: return nullptr;
    }
}

#include "agents/RpcAgent.hpp"

RpcAgent::RpcAgent(const RWCString& object_name, const RWCString& dn) : AgentMo(PROTO_RPC)
{
    // Past RPC, its quote and "/agentId", the name is the next quoted text.
    const auto at = dn.find("RPC");
    if (at != RWCString::npos)
        parse_quoted_name(dn, at + 12, object_name);
}

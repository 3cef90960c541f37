#include "agents/MisAgent.hpp"

MisAgent::MisAgent(const RWCString& object_name, const RWCString& dn, const RWCString& server)
    : AgentMo(PROTO_MIS)
{
    const auto at = dn.find("systemId");
    if (at != RWCString::npos)
        parse_quoted_name(dn, at + 9, object_name);
    if (name_ == server || name_ == "localhost") {
        name_ = server;
        local_ = true;
    }
}

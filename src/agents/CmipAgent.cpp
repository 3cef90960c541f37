#include "agents/CmipAgent.hpp"

CmipAgent::CmipAgent(const RWCString& object_name, const RWCString& dn, const RWCString& entity)
    : AgentMo(PROTO_CMIP)
{
    object_path_ = dn;
    name_ = entity.empty() ? object_name : entity;
    default_ = 0;
}

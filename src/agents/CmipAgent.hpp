// An OSI (CMIP) agent entity known to the server. Its stored DN is the whole
// DN of the managed object the topology object is tied to.
#pragma once

#include "agents/AgentMo.hpp"

class CmipAgent : public AgentMo {
public:
    CmipAgent() : AgentMo(PROTO_CMIP) {}
    // entity: the name of the entity serving dn, as the server tells it
    // (empty when the server knows none; the object's name is used then).
    CmipAgent(const RWCString& object_name, const RWCString& dn, const RWCString& entity);

    QvStatus get_mo(int write) override { return QvStatus::success(); }
};

// An OSI (CMIP) agent entity known to the server. Its stored DN is the whole
// DN of the managed object the topology object is tied to. The entity's own
// managed object is not edited yet: the agent keeps its DN as it was read.
#pragma once

#include "agents/AgentMo.hpp"

class CmipAgent : public AgentMo {
public:
    CmipAgent() : AgentMo(PROTO_CMIP) {}
    // entity: the name of the entity serving dn, as the server tells it
    // (empty when the server knows none; the object's name is used then).
    CmipAgent(const RWCString& object_name, const RWCString& dn, const RWCString& entity);
    // The agent page lists copies of CMIP agents: the dialog goes on editing
    // its own.
    CmipAgent(const CmipAgent&) = default;

    QvStatus get_mo(int) override { return QvStatus::success(); }
};

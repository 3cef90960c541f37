// An SNMP proxy agent: the managed object through which the server reaches
// one SNMP host.
#pragma once

#include "agents/AgentMo.hpp"

class SnmpAgent : public AgentMo {
public:
    SnmpAgent() : AgentMo(PROTO_SNMP) {}
    // From a topology object's name and one of its stored agent DNs.
    SnmpAgent(const RWCString& object_name, const RWCString& dn);

    QvStatus get_mo(int write) override { return QvStatus::success(); }
};

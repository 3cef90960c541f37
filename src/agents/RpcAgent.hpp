// An RPC proxy agent: the managed object through which the server reaches the
// RPC agents of one host.
#pragma once

#include "agents/AgentMo.hpp"

class RpcAgent : public AgentMo {
public:
    RpcAgent() : AgentMo(PROTO_RPC) {}
    RpcAgent(const RWCString& object_name, const RWCString& dn);

    QvStatus get_mo(int write) override { return QvStatus::success(); }
};

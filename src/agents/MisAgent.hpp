// A management information server serving the object: a management system
// named by its host. Its managed object is not edited yet: the agent keeps
// its DN as it was read.
#pragma once

#include "agents/AgentMo.hpp"

class MisAgent : public AgentMo {
public:
    MisAgent() : AgentMo(PROTO_MIS) {}
    // server: the management server's host name; a MIS named like it, or
    // "localhost", is the server itself.
    MisAgent(const RWCString& object_name, const RWCString& dn, const RWCString& server);

    bool is_local() const { return local_; }
    QvStatus get_mo(int) override { return QvStatus::success(); }

private:
    bool local_ = false;
};

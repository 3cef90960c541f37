// Who made a write, as the audit trail records it: the user (or "open mode"),
// the program and the source address the connection's hello came with.
#pragma once

#include <string>

namespace qv::server {

struct Actor {
    std::string user;
    std::string program;
    std::string address;
};

}  // namespace qv::server

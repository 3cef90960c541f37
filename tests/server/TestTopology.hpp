// A small topology document the server tests load: a few views, devices
// and users with each right missing in turn.
#pragma once

#include <string>

#include "support/TestServer.hpp"

namespace qv::test {

// Nodes: 1 World (World), 2 Europe (City, in 1), 3 London (City, in 2),
// 4 router1 (Router, in 3 and in 1), 5 router2 (Router, in 3),
// 6 mon (Monitor, in 3). Users, password = name: admin (all rights),
// viewer (RunObjectProperties), and no<Right> holding all but that right:
// nocreate, nocoord, nobg, nodescr, noadmin; norun holds none.
std::string small_topology();
// A server of system with that topology loaded.
ServerOptions small_topology_server(const std::string& system, bool require_login = false);

}  // namespace qv::test

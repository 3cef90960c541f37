// The servers the GUI tests start, on the test fixture topology.
#pragma once

#include <memory>
#include <string>

#include "support/TestServer.hpp"

namespace qv::gui {

// The fixture's users log in with their own name as password.
std::unique_ptr<qv::test::TestServer> start_server(bool require_login);

// Answers the next login dialog with user and password and presses OK.
void answer_login(const std::string& user, const std::string& password);

}  // namespace qv::gui

// Starting the tool for a GUI test: in-process (the library's start-up, so
// the test can drive the widgets) or as the real binary.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace qv::test {
class TestServer;
}

namespace qv::gui {

// The build's QV_HOME (build/share/qv).
std::string tool_home();

// QV_HOME, NLSPATH, XFILESEARCHPATH and, with a server, QV_PORT and
// QV_SERVER, as the tool is run with.
std::map<std::string, std::string> tool_environment(const qv::test::TestServer* server);

// Sets the environment in this process and runs the tool's start-up with
// args (without the program name). Returns when the tool would enter its
// event loop; the program ends instead where the tool would.
void start_tool(const std::vector<std::string>& args, const qv::test::TestServer* server,
                const std::map<std::string, std::string>& extra_env = {});

}  // namespace qv::gui

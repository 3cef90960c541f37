#include "driver/ToolTest.hpp"

#include <cstdio>
#include <cstdlib>

#include "driver/Fixture.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "process/ProgramExit.hpp"

namespace qv::gui {

int dialogs_seen = 0;

namespace {

void fail_on_exit(int status)
{
    std::fprintf(stderr, "unexpected end of the program with status %d\n", status);
    std::abort();
}

void print_status(int status) { std::fprintf(stderr, "exit status %d, dialogs seen %d\n", status, dialogs_seen); }

}  // namespace

void ToolTest::SetUp() { set_exit_observer(fail_on_exit); }

void ToolTest::start(const std::vector<std::string>& args, const std::map<std::string, std::string>& env)
{
    if (!server_)
        server_ = start_server(false);
    answer_error_dialogs();
    start_tool(args, server_.get(), env);
}

void ToolTest::report_exit_status() { set_exit_observer(print_status); }

}  // namespace qv::gui

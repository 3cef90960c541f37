#include "driver/ToolTest.hpp"

#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

int unused_port()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

}  // namespace qv::gui

#include "support/TestServer.hpp"

#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "support/ChildProcess.hpp"

namespace qv::test {

ServerOptions fixture_options(bool require_login)
{
    ServerOptions options;
    options.require_login = require_login;
    options.load_file = source_dir() + "/data/fixture/topology.json";
    return options;
}

int unused_port()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

TestServer::TestServer(ServerOptions options) : options_(std::move(options))
{
    system_name_ = options_.system_name.empty() ? local_host_name() : options_.system_name;
    if (!options_.load_text.empty())
        options_.load_file = dir_.write_file("load.json", options_.load_text);
    start(0, true);
}

TestServer::~TestServer() { stop(); }

std::string TestServer::db_path() const { return dir_.path() + "/qv.db"; }

std::map<std::string, std::string> TestServer::client_env() const
{
    return {{"QV_PORT", std::to_string(port_)}, {"QV_SERVER", "localhost"}};
}

RunResult TestServer::admin(std::vector<std::string> args, const std::string& user) const
{
    RunOptions run;
    run.env = client_env();
    if (!user.empty()) {
        run.env["QV_PASSWORD"] = user;
        args.insert(args.begin(), {"--user", user});
    }
    return run_binary("qv_admin", args, run);
}

std::vector<std::string> TestServer::arguments(int port, bool first_start) const
{
    std::vector<std::string> args{"--db", db_path(),
                                  "--listen", "127.0.0.1",
                                  "--port", std::to_string(port),
                                  "--port-file", dir_.path() + "/port",
                                  "--system-name", system_name_};
    if (options_.require_login)
        args.push_back("--require-login");
    // Only the first start loads: a restart must show what was stored.
    if (!options_.load_file.empty() && first_start) {
        args.push_back("--load");
        args.push_back(options_.load_file);
    }
    args.insert(args.end(), options_.extra_args.begin(), options_.extra_args.end());
    return args;
}

void TestServer::start(int port, bool first_start)
{
    const std::string port_file = dir_.path() + "/port";
    unlink(port_file.c_str());
    runs_.push_back(std::make_unique<ChildProcess>("qv_server", arguments(port, first_start), RunOptions{}, dir_.path()));
    up_ = true;
    // The server writes the port file (atomically) once it listens.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(port_file);
        if (std::string text((std::istreambuf_iterator<char>(in)), {}); !text.empty() && text.back() == '\n') {
            port_ = std::stoi(text);
            return;
        }
        if (!is_running())
            throw std::runtime_error("qv_server did not start:\n" + log());
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill9();
    throw std::runtime_error("qv_server did not listen within 60 s:\n" + log());
}

int TestServer::stop()
{
    if (!up_)
        return -1;
    up_ = false;
    ChildProcess& server = *runs_.back();
    if (server.running())
        kill(server.pid(), SIGTERM);
    if (!server.wait(30))
        server.kill();
    return server.exited() ? server.exit_status() : 128 + server.signal();
}

void TestServer::kill9()
{
    if (up_)
        runs_.back()->kill();
    stop();
}

void TestServer::restart()
{
    stop();
    start(port_, false);
}

bool TestServer::is_running()
{
    up_ = up_ && runs_.back()->running();
    return up_;
}

pid_t TestServer::pid() const { return up_ ? runs_.back()->pid() : -1; }

std::string TestServer::log() const
{
    std::string text;
    for (const auto& run : runs_)
        text += run->err();
    return text;
}

}  // namespace qv::test

// Test support: the real qv_server on a free loopback port with a database in
// a fresh temporary directory, and a runner for any binary of the build.
//
//   qv::test::TestServer server(qv::test::fixture_options(true));
//   auto r = server.admin({"dump"}, "admin");
#pragma once

#include <map>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

#include "support/RunBinary.hpp"
#include "support/TempDir.hpp"

namespace qv::test {

class ChildProcess;

struct ServerOptions {
    bool require_login = false;
    std::string system_name;             // empty: the host name
    std::string load_file;               // a topology document loaded at start (--load)
    std::string load_text;               // or its text, written to the temp dir first
    std::vector<std::string> extra_args;
};

// The test fixture's topology (data/fixture/topology.json).
ServerOptions fixture_options(bool require_login = false);

// A free loopback port with nothing listening on it.
int unused_port();

class TestServer {
public:
    // Starts the server and waits until it listens; throws std::runtime_error
    // (with the server's log) when it does not come up.
    explicit TestServer(ServerOptions options = {});
    ~TestServer();  // stops the server and removes the temporary directory
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    int port() const { return port_; }
    std::string db_path() const;
    const std::string& system_name() const { return system_name_; }
    const std::string& dir() const { return dir_.path(); }
    // Environment for a client of this server (QV_PORT).
    std::map<std::string, std::string> client_env() const;
    // Runs qv_admin against this server, as user (password: the user's
    // name) when one is given.
    RunResult admin(std::vector<std::string> args, const std::string& user = "") const;

    // SIGTERM and wait; the exit status (-1 when it was not running).
    int stop();
    // SIGKILL and wait: a crash, as far as the database can tell.
    void kill9();
    // Starts it again on the same database and port.
    void restart();
    bool is_running();
    pid_t pid() const;
    // What the server wrote to stderr, over all its runs.
    std::string log() const;

private:
    void start(int port, bool first_start);
    std::vector<std::string> arguments(int port, bool first_start) const;

    ServerOptions options_;
    TempDir dir_;
    std::string system_name_;
    int port_ = 0;
    std::vector<std::unique_ptr<ChildProcess>> runs_;  // the last one is the current run
    bool up_ = false;                                  // started and not seen to end
};

}  // namespace qv::test

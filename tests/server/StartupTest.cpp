// qv_server as a command: exit statuses and messages when it cannot start,
// and as a service: readiness and signals.
#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "support/TestServer.hpp"

using qv::test::run_binary;

TEST(Startup, HelpAndVersion)
{
    auto help = run_binary("qv_server", {"--help"});
    EXPECT_EQ(help.exit_status, 0);
    EXPECT_NE(help.out.find("--require-login"), std::string::npos);
    auto version = run_binary("qv_server", {"--version"});
    EXPECT_EQ(version.exit_status, 0);
    EXPECT_EQ(version.out, "qv_server 4.0\n");
}

TEST(Startup, WhatStopsTheStartIsNamed)
{
    qv::test::TempDir dir;
    const std::string db = dir.path() + "/qv.db";
    const std::string bad_type = dir.write_file("t.json", R"({"format": "qv-topology", "version": 1,
        "types": [{"name": "T", "kinds": ["gadget"]}]})");
    const qv::test::TestServer first;  // holds a port
    const struct {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> says;
    } cases[] = {
        {{"--port", "eleven"}, 2, {"--port", "usage:"}},
        {{"--db", dir.write_file("junk.db", std::string(4096, 'j')), "--port", "0"}, 1, {"not usable"}},
        {{"--db", dir.path() + "/missing/dir/qv.db", "--port", "0"}, 1, {"cannot open database"}},
        {{"--db", db, "--port", "0", "--load", bad_type}, 1, {"cannot load", "types[0] (T)", "gadget"}},
        {{"--db", db, "--port", "0", "--load", dir.write_file("x.json", "{ not json")}, 1, {"not valid JSON"}},
        {{"--db", db, "--port", std::to_string(first.port())}, 1, {"cannot listen"}},
    };
    for (const auto& c : cases) {
        const auto r = run_binary("qv_server", c.args);
        EXPECT_TRUE(r.exited) << c.args.back();
        EXPECT_EQ(r.exit_status, c.status) << r.err;
        for (const std::string& text : c.says)
            EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
    }
}

// As systemd would see it: READY=1 on NOTIFY_SOCKET once the server listens
// (the port file is written then), a hang-up changes nothing, SIGTERM is a
// clean stop.
TEST(Startup, TellsTheServiceManagerWhenItListensAndIgnoresHangUps)
{
    qv::test::TempDir dir;
    const int sock = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = dir.path() + "/notify";
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    setenv("NOTIFY_SOCKET", path.c_str(), 1);
    qv::test::TestServer server;
    unsetenv("NOTIFY_SOCKET");

    std::string message;
    pollfd ready{sock, POLLIN, 0};
    if (poll(&ready, 1, 60000) == 1) {
        char buffer[256] = {};
        const ssize_t n = recv(sock, buffer, sizeof buffer - 1, 0);
        message.assign(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    close(sock);
    EXPECT_EQ(message, "READY=1");

    ASSERT_EQ(kill(server.pid(), SIGHUP), 0);
    EXPECT_EQ(server.admin({"rights"}).exit_status, 0) << server.log();
    EXPECT_TRUE(server.is_running()) << server.log();
    EXPECT_EQ(server.stop(), 0) << server.log();
}

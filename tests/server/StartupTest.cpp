// qv_server as a command: exit statuses and messages when it cannot start.
#include <gtest/gtest.h>

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

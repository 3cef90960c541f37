// qv_admin as scripts use it: commands against the real qv_server, their
// output, exit statuses and messages.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

#include "support/TestServer.hpp"

using qv::test::RunResult;

namespace {

class AdminCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<qv::test::TestServer>(qv::test::fixture_options()); }
    static void TearDownTestSuite() { server_.reset(); }
    static RunResult admin(const std::vector<std::string>& args) { return server_->admin(args); }
    static std::string node(long id)
    {
        return "/systemId=name:\"" + server_->system_name() + "\"/topoNodeId=" + std::to_string(id);
    }
    static inline std::unique_ptr<qv::test::TestServer> server_;
};

}  // namespace

// A failure ends with its status (2: the command line, 1: the server or a
// file) and one message on stderr, nothing on stdout.
TEST_F(AdminCommands, FailuresExitWithTheirStatusAndSayWhy)
{
    const RunResult help = admin({"--help"});
    EXPECT_EQ(help.exit_status, 0);
    EXPECT_NE(help.out.find("Usage: qv_admin"), std::string::npos);

    const qv::test::TempDir dir;
    const struct {
        std::vector<std::string> args;
        int status;
        std::string says;
    } cases[] = {
        {{}, 2, ""},
        {{"frobnicate"}, 2, ""},
        {{"--colour", "dump"}, 2, ""},
        {{"get", "10"}, 2, ""},
        {{"--port", "x", "dump"}, 2, ""},
        {{"user"}, 2, ""},
        {{"create-node", "[1, 2]"}, 2, ""},
        {{"--port", "1", "dump"}, 1, "Connection to localhost:1 refused"},
        {{"get", "16", "noSuchAttribute"}, 1, "noSuchAttribute"},
        {{"get", "999", "name"}, 1, ""},
        // What the server refuses (tests/server) fails the command.
        {{"set", "21", "monitorRotation", "400"}, 1, ""},
        {{"load", dir.path() + "/none.json"}, 1, "cannot read"},
        {{"load", dir.write_file("junk.json", "not json")}, 1, "not a topology document"},
    };
    for (const auto& c : cases) {
        std::string words;
        for (const auto& word : c.args)
            words += word + " ";
        SCOPED_TRACE(words);
        const RunResult r = admin(c.args);
        EXPECT_EQ(r.exit_status, c.status) << r.err;
        EXPECT_EQ(r.err.rfind("qv_admin: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST_F(AdminCommands, GetPrintsJsonAndTakesNodeNumbers)
{
    const RunResult by_number = admin({"get", "10", "name"});
    EXPECT_EQ(by_number.exit_status, 0) << by_number.err;
    EXPECT_EQ(nlohmann::json::parse(by_number.out), "fx-router");
    const RunResult by_system = admin({"get", server_->system_name() + ":11", "parents"});
    EXPECT_EQ(nlohmann::json::parse(by_system.out), nlohmann::json({node(3), node(2)}));
    const RunResult by_dn = admin({"get", node(12), "name"});
    EXPECT_EQ(nlohmann::json::parse(by_dn.out), "twin");
}

TEST_F(AdminCommands, DumpPrintsTheSubtreeAsJson)
{
    const RunResult r = admin({"dump", "14"});
    ASSERT_EQ(r.exit_status, 0) << r.err;
    const auto objects = nlohmann::json::parse(r.out);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0]["class"], "topoNode");
    EXPECT_EQ(objects[0]["attrs"]["links"], nlohmann::json({node(10), node(11)}));
    const RunResult all = admin({"dump"});
    EXPECT_GT(nlohmann::json::parse(all.out).size(), 22u);
    EXPECT_EQ(all.err, "");  // no progress into a pipe
}

TEST_F(AdminCommands, SetTakesJsonOrPlainText)
{
    ASSERT_EQ(admin({"set", "21", "name", "renamed member"}).exit_status, 0);
    EXPECT_EQ(nlohmann::json::parse(admin({"get", "21", "name"}).out), "renamed member");
    ASSERT_EQ(admin({"set", "21", "severityPropagated", "false"}).exit_status, 0);
    EXPECT_EQ(nlohmann::json::parse(admin({"get", "21", "severityPropagated"}).out), false);
    ASSERT_EQ(admin({"set", "21", "geoLocation", R"({"longitude": 1.5, "latitude": -2})"}).exit_status, 0);
    EXPECT_EQ(nlohmann::json::parse(admin({"get", "21", "geoLocation"}).out)["longitude"], 1.5);
}

TEST_F(AdminCommands, CreateAndDeleteObjects)
{
    const nlohmann::json attrs = {{"name", "from-admin"}, {"typeName", "Host"}, {"parents", {node(3)}}};
    const RunResult created = admin({"create-node", attrs.dump()});
    ASSERT_EQ(created.exit_status, 0) << created.err;
    const std::string dn = created.out.substr(0, created.out.find('\n'));
    EXPECT_EQ(nlohmann::json::parse(admin({"get", dn, "name"}).out), "from-admin");

    const std::string entity =
        "/systemId=name:\"" + server_->system_name() + "\"/agentTableType=\"CMIP\"/agentId=id:\"admin-entity\"";
    const RunResult agent = admin({"create", entity, "cmipAgentEntity", R"({"networkSap": "4900"})"});
    ASSERT_EQ(agent.exit_status, 0) << agent.err;
    EXPECT_EQ(nlohmann::json::parse(admin({"get", entity, "networkSap"}).out), "4900");

    const RunResult deleted = admin({"delete", dn});
    EXPECT_EQ(deleted.exit_status, 0) << deleted.err;
    EXPECT_NE(deleted.out.find(dn), std::string::npos);
    EXPECT_EQ(admin({"get", dn, "name"}).exit_status, 1);
}

TEST_F(AdminCommands, LoadReadsATopologyDocument)
{
    const qv::test::TempDir dir;
    const RunResult r = admin({"load", dir.write_file("extra.json", R"({"format": "qv-topology", "version": 1,
        "nodes": [{"id": 700, "name": "loaded-by-admin", "type": "Host", "parents": [3]}]})")});
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_NE(r.out.find("1 nodes"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");  // no progress into a pipe
    EXPECT_EQ(nlohmann::json::parse(admin({"get", "700", "name"}).out), "loaded-by-admin");
}

TEST_F(AdminCommands, ProgressOnATerminal)
{
    // script(1) gives the command a terminal and copies what it shows.
    const auto on_terminal = [&](const std::string& command) {
        qv::test::RunOptions options;
        options.env = server_->client_env();
        return qv::test::run_binary("/usr/bin/script", {"-qec", command, "/dev/null"}, options);
    };
    const qv::test::TempDir dir;
    const std::string document = dir.write_file("two.json", R"({"format": "qv-topology", "version": 1,
        "nodes": [{"id": 710, "name": "a", "type": "Host", "parents": [3]},
                  {"id": 711, "name": "b", "type": "Host", "parents": [3]}]})");
    const RunResult load = on_terminal(qv::test::bin_dir() + "/qv_admin load " + document);
    ASSERT_EQ(load.exit_status, 0) << load.out;
    EXPECT_NE(load.out.find("2 of 2 entries (100%)"), std::string::npos) << load.out;

    // Not among the objects when they go to the terminal too.
    const auto objects = nlohmann::json::parse(admin({"dump"}).out).size();
    const RunResult dump = on_terminal(qv::test::bin_dir() + "/qv_admin dump >/dev/null");
    ASSERT_EQ(dump.exit_status, 0) << dump.out;
    EXPECT_NE(dump.out.find(std::to_string(objects) + " of " + std::to_string(objects) + " objects"),
              std::string::npos)
        << dump.out;
    EXPECT_EQ(on_terminal(qv::test::bin_dir() + "/qv_admin dump 14").out.find("qv_admin:"), std::string::npos);
}

TEST(AdminUsers, UsersAndRightsOnALoginServer)
{
    qv::test::TestServer server(qv::test::fixture_options(true));
    auto run = [&](const std::vector<std::string>& args, const std::string& user, const std::string& password,
                   const std::string& new_password = "") {
        qv::test::RunOptions options;
        options.env = server.client_env();
        options.env["QV_PASSWORD"] = password;
        if (!new_password.empty())
            options.env["QV_NEW_PASSWORD"] = new_password;
        std::vector<std::string> full{"--user", user};
        full.insert(full.end(), args.begin(), args.end());
        return qv::test::run_binary("qv_admin", full, options);
    };

    const RunResult wrong = run({"rights"}, "admin", "wrong");
    EXPECT_EQ(wrong.exit_status, 1);
    EXPECT_NE(wrong.err.find("Login incorrect"), std::string::npos) << wrong.err;

    ASSERT_EQ(run({"user", "add", "oper", "RunObjectProperties"}, "admin", "admin", "s3cret").exit_status, 0);
    const RunResult rights = run({"rights"}, "oper", "s3cret");
    ASSERT_EQ(rights.exit_status, 0) << rights.err;
    EXPECT_EQ(nlohmann::json::parse(rights.out)["rights"], nlohmann::json({"RunObjectProperties"}));

    ASSERT_EQ(run({"user", "grant", "oper", "CreateObjects", "ModifyCoordinates"}, "admin", "admin").exit_status, 0);
    ASSERT_EQ(run({"user", "revoke", "oper", "ModifyCoordinates"}, "admin", "admin").exit_status, 0);
    const auto users = nlohmann::json::parse(run({"user", "list"}, "admin", "admin").out);
    const auto oper = std::find_if(users.begin(), users.end(), [](const auto& u) { return u["name"] == "oper"; });
    ASSERT_NE(oper, users.end()) << users;
    EXPECT_EQ((*oper)["rights"], nlohmann::json({"CreateObjects", "RunObjectProperties"}));

    // Without the Admin right users cannot be managed.
    const RunResult refused = run({"user", "list"}, "oper", "s3cret");
    EXPECT_EQ(refused.exit_status, 1);
    EXPECT_FALSE(refused.err.empty());

    ASSERT_EQ(run({"user", "passwd", "oper"}, "admin", "admin", "n3w").exit_status, 0);
    EXPECT_EQ(run({"rights"}, "oper", "s3cret").exit_status, 1);
    EXPECT_EQ(run({"rights"}, "oper", "n3w").exit_status, 0);
    ASSERT_EQ(run({"user", "delete", "oper"}, "admin", "admin").exit_status, 0);
    EXPECT_EQ(run({"rights"}, "oper", "n3w").exit_status, 1);
}

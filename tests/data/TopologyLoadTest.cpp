// The real qv_server takes both documents whole, which checks their types,
// node references, stored values against their syntaxes, rights and object
// order, and stores what the tool's tests rely on: relative agent DNs made
// absolute under the server's system, the fixture's users.
#include "support/TestServer.hpp"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <nlohmann/json.hpp>

using namespace qv::test;

namespace {

const char* const kSystem = "datasys";

class LoadedServer : public ::testing::Test {
protected:
    LoadedServer()
    {
        ServerOptions options;
        options.system_name = kSystem;
        server_ = std::make_unique<TestServer>(options);
        run_.env = server_->client_env();
    }
    RunResult admin(const std::vector<std::string>& args) { return run_binary("qv_admin", args, run_); }
    // An attribute of a topology node of the local system, as JSON.
    nlohmann::json node_attr(int id, const std::string& attr)
    {
        auto r = admin({"get", "/systemId=name:\"" + std::string(kSystem) + "\"/topoNodeId=" + std::to_string(id),
                        attr});
        EXPECT_EQ(r.exit_status, 0) << r.err;
        return nlohmann::json::parse(r.out, nullptr, false);
    }

    std::unique_ptr<TestServer> server_;
    RunOptions run_;
};

}  // namespace

TEST_F(LoadedServer, TakesTheDemoWhole)
{
    auto r = admin({"load", source_dir() + "/data/demo/topology.json"});
    ASSERT_EQ(r.exit_status, 0) << r.err << server_->log();
    EXPECT_NE(r.out.find("83 nodes, 51 types"), std::string::npos) << r.out;
    EXPECT_EQ(node_attr(12, "name"), "router-lon-1");
}

TEST_F(LoadedServer, TakesTheFixtureTwiceReplacingItsEntries)
{
    const std::string fixture = source_dir() + "/data/fixture/topology.json";
    auto first = admin({"load", fixture});
    ASSERT_EQ(first.exit_status, 0) << first.err << server_->log();
    auto second = admin({"load", fixture});
    ASSERT_EQ(second.exit_status, 0) << second.err;
    EXPECT_EQ(node_attr(13, "name"), "twin");
    EXPECT_EQ(node_attr(20, "monitorMaxVisible"), 3);
}

TEST_F(LoadedServer, StoresTheFixturesAgentDnsAbsolute)
{
    auto r = admin({"load", source_dir() + "/data/fixture/topology.json"});
    ASSERT_EQ(r.exit_status, 0) << r.err << server_->log();
    const std::string system = "/systemId=name:\"" + std::string(kSystem) + "\"";
    auto agents = node_attr(10, "managedObjects");
    ASSERT_TRUE(agents.is_array()) << agents;
    ASSERT_EQ(agents.size(), 4u);
    EXPECT_EQ(agents[0], system + "/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"
                                  "/cmipsnmpProxyAgentId=\"fx-router\"");
    EXPECT_EQ(agents[1], system + "/agentTableType=\"RPC\"/agentId=id:\"fx-router\"");
    EXPECT_EQ(agents[2], "/networkId=\"zentra-osi\"/managedElementId=\"fx-ne1\"");
    EXPECT_EQ(agents[3], "/systemId=name:\"fx-mis\"");
    auto proxy = admin({"get", agents[0].get<std::string>(), "transportAddress"});
    EXPECT_EQ(proxy.exit_status, 0) << proxy.err;
    EXPECT_NE(proxy.out.find("127.0.0.1:161"), std::string::npos) << proxy.out;
}

// The users of data/fixture/README.md log in with their names as passwords
// and hold exactly the rights it lists.
TEST(FixtureUsers, LogInWithTheirDocumentedPasswordsAndHoldTheirRights)
{
    ServerOptions options;
    options.system_name = kSystem;
    options.require_login = true;
    options.load_file = source_dir() + "/data/fixture/topology.json";
    TestServer server(options);
    const std::set<std::string> all = {"RunObjectProperties", "CreateObjects", "ModifyCoordinates",
                                       "ModifyBackgroundImage", "ModifyDescrAgentTypeStatus", "Admin"};
    const auto all_but = [&](const std::string& missing) {
        auto rights = all;
        rights.erase(missing);
        return rights;
    };
    const std::map<std::string, std::set<std::string>> users = {{"admin", all},
                                                                {"viewer", {"RunObjectProperties"}},
                                                                {"nocreate", all_but("CreateObjects")},
                                                                {"nocoord", all_but("ModifyCoordinates")},
                                                                {"norun", {}}};
    for (const auto& [user, rights] : users) {
        RunOptions run;
        run.env = server.client_env();
        run.env["QV_PASSWORD"] = user;
        auto r = run_binary("qv_admin", {"--user", user, "rights"}, run);
        ASSERT_EQ(r.exit_status, 0) << user << ": " << r.err;
        auto reply = nlohmann::json::parse(r.out, nullptr, false);
        ASSERT_TRUE(reply.is_object()) << r.out;
        EXPECT_EQ(reply["rights"].get<std::set<std::string>>(), rights) << user << ": " << r.out;
    }
    RunOptions wrong;
    wrong.env = server.client_env();
    wrong.env["QV_PASSWORD"] = "not-the-password";
    EXPECT_NE(run_binary("qv_admin", {"--user", "admin", "rights"}, wrong).exit_status, 0);
}

// The real qv_server takes both documents whole, which checks their types,
// node references, stored values against their syntaxes, rights and object
// order, and stores what the tool's tests rely on: relative agent DNs made
// absolute under the server's system, the fixture's users.
#include "support/TestServer.hpp"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <nlohmann/json.hpp>

using namespace qv::test;

namespace {

const char* const kSystem = "datasys";

}  // namespace

// The demo, then the fixture twice, into one server: the second load of the
// fixture replaces its entries.
TEST(LoadedServer, TakesTheDemoAndTheFixtureWhole)
{
    ServerOptions options;
    options.system_name = kSystem;
    const TestServer server(options);
    const std::string system = "/systemId=name:\"" + std::string(kSystem) + "\"";
    // An attribute of a topology node of the local system, as JSON.
    const auto node_attr = [&](int id, const std::string& attr) {
        const auto r = server.admin({"get", system + "/topoNodeId=" + std::to_string(id), attr});
        EXPECT_EQ(r.exit_status, 0) << r.err;
        return nlohmann::json::parse(r.out, nullptr, false);
    };
    const auto demo = server.admin({"load", source_dir() + "/data/demo/topology.json"});
    ASSERT_EQ(demo.exit_status, 0) << demo.err << server.log();
    EXPECT_NE(demo.out.find("83 nodes, 51 types"), std::string::npos) << demo.out;
    EXPECT_EQ(node_attr(12, "name"), "router-lon-1");

    for (int round = 0; round < 2; ++round) {
        const auto fixture = server.admin({"load", source_dir() + "/data/fixture/topology.json"});
        ASSERT_EQ(fixture.exit_status, 0) << fixture.err << server.log();
    }
    EXPECT_EQ(node_attr(13, "name"), "twin");
    EXPECT_EQ(node_attr(20, "monitorMaxVisible"), 3);
    // The fixture's agent DNs are stored absolute.
    const auto agents = node_attr(10, "managedObjects");
    ASSERT_EQ(agents, nlohmann::json({system + "/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"
                                               "/cmipsnmpProxyAgentId=\"fx-router\"",
                                      system + "/agentTableType=\"RPC\"/agentId=id:\"fx-router\"",
                                      "/networkId=\"zentra-osi\"/managedElementId=\"fx-ne1\"",
                                      "/systemId=name:\"fx-mis\""}));
    const auto proxy = server.admin({"get", agents[0].get<std::string>(), "transportAddress"});
    EXPECT_EQ(proxy.exit_status, 0) << proxy.err;
    EXPECT_NE(proxy.out.find("127.0.0.1:161"), std::string::npos) << proxy.out;
}

// The users of data/fixture/README.md log in with their names as passwords
// and hold exactly the rights it lists.
TEST(FixtureUsers, LogInWithTheirDocumentedPasswordsAndHoldTheirRights)
{
    const TestServer server(fixture_options(true));
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
        const auto r = server.admin({"rights"}, user);
        ASSERT_EQ(r.exit_status, 0) << user << ": " << r.err;
        auto reply = nlohmann::json::parse(r.out, nullptr, false);
        ASSERT_TRUE(reply.is_object()) << r.out;
        EXPECT_EQ(reply["rights"].get<std::set<std::string>>(), rights) << user << ": " << r.out;
    }
}

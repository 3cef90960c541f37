// Login and the rights the server itself enforces, attribute by attribute.
// The rights a user holds are read through the client library
// (tests/platform) and qv_admin (tests/data).
#include <fstream>
#include <iterator>
#include <map>

#include <gtest/gtest.h>

#include "RawClient.hpp"
#include "SharedServerSuite.hpp"
#include "TestTopology.hpp"
#include "support/TestServer.hpp"

using nlohmann::json;
using qv::test::node_dn;
using qv::test::RawClient;
using qv::test::ServerOptions;

namespace {

const char* const kSystem = "sec";

class Secured : public qv::test::SharedServerSuite<Secured> {
public:
    static ServerOptions options() { return qv::test::small_topology_server(kSystem, true); }

protected:
    static std::string node(long id) { return node_dn(kSystem, id); }
    json attrs_of(long id, const std::vector<std::string>& names)
    {
        return logged_in("admin")->ok("get", {{"dn", node(id)}, {"attrs", names}})["attrs"];
    }
    static void expect_refused(const json& reply, const std::string& right)
    {
        EXPECT_EQ(reply["ok"], false) << reply.dump();
        EXPECT_EQ(reply["code"], 5) << reply.dump();
        EXPECT_NE(reply.value("error", "").find("needs the right " + right), std::string::npos) << reply.dump();
    }
};

}  // namespace

TEST_F(Secured, LoginComesFirstAndAWrongPasswordOrUserIsRefusedAlike)
{
    RawClient c(server_->port());
    EXPECT_EQ(c.hello()["login"], "required");
    EXPECT_EQ(c.request("ping")["ok"], true);
    const json first = c.request("topo.system_names");
    EXPECT_EQ(first["code"], 7);
    EXPECT_EQ(first["error"], "Login required");
    for (const auto& [user, password] : {std::pair{"admin", "not-the-password"}, std::pair{"nobody", "x"}}) {
        const json wrong = c.login(user, password);
        EXPECT_EQ(wrong["code"], 7) << user;
        EXPECT_EQ(wrong["error"], "Login incorrect") << user;
    }
    const json right = c.login("viewer", "viewer");
    EXPECT_EQ(right["ok"], true);
    EXPECT_EQ(right["user"], "viewer");
    // The third refusal in a row closes the connection.
    auto guesser = greeted();
    for (const char* guess : {"a", "b", "c"})
        EXPECT_EQ(guesser->login("admin", guess)["code"], 7);
    EXPECT_TRUE(guesser->closed_by_server());
}

TEST_F(Secured, PasswordsNeverReachTheLogOrTheDatabaseInClear)
{
    const std::string password = "Zq-distinct-pw-77";
    auto admin = logged_in("admin");
    EXPECT_EQ(admin->request("user.add", {{"name", "pwcheck"}, {"password", password}})["ok"], true);
    auto c = greeted();
    EXPECT_EQ(c->login("admin", "Secret-Typed-Wrong-42")["code"], 7);
    EXPECT_EQ(c->login("pwcheck", password)["ok"], true);
    EXPECT_EQ(server_->log().find("Secret-Typed-Wrong-42"), std::string::npos);
    EXPECT_EQ(server_->log().find(password), std::string::npos);
    const json users = admin->ok("user.list")["users"];
    EXPECT_EQ(users.dump().find("argon2"), std::string::npos);
    std::string bytes;  // the database and its write-ahead log
    for (const char* suffix : {"", "-wal"}) {
        std::ifstream db(server_->db_path() + suffix, std::ios::binary);
        bytes.append(std::istreambuf_iterator<char>(db), std::istreambuf_iterator<char>());
    }
    EXPECT_EQ(bytes.find(password), std::string::npos);
    EXPECT_NE(bytes.find("$argon2id$"), std::string::npos);
    EXPECT_EQ(admin->request("user.delete", {{"name", "pwcheck"}})["ok"], true);
}

TEST_F(Secured, EachRightGuardsItsChangesAndAValueWrittenBackUnchangedNeedsNone)
{
    const json geo = attrs_of(4, {"geoLocation"})["geoLocation"];
    const json moved = {{"longitude", 2.35}, {"latitude", 48.85}};
    const json here = json::array({{{"parent", node(3)}, {"x", 1}, {"y", 2}, {"z", 0}}});
    const struct {
        std::string user, op;
        json params;
        std::string right;  // empty: allowed
    } cases[] = {
        {"nocreate", "create", {{"class", "topoNode"}, {"attrs", {{"typeName", "Router"}, {"parents", {node(3)}}}}},
         "CreateObjects"},
        {"nocreate", "delete", {{"dn", node(5)}}, "CreateObjects"},
        {"nocoord", "set", {{"dn", node(4)}, {"attrs", {{"geoLocation", moved}}}}, "ModifyCoordinates"},
        {"nocoord", "set", {{"dn", node(4)}, {"attrs", {{"logicalLocations", here}}}}, "ModifyCoordinates"},
        {"nocoord", "set", {{"dn", node(4)}, {"attrs", {{"geoLocation", geo}}}}, ""},
        // One refused attribute keeps the whole request from being written.
        {"nocoord", "set", {{"dn", node(5)}, {"attrs", {{"name", "half-written"}, {"geoLocation", moved}}}},
         "ModifyCoordinates"},
        {"nobg", "set", {{"dn", node(1)}, {"attrs", {{"viewBackgroundImage", "world.xpm"}}}}, "ModifyBackgroundImage"},
        {"nobg", "set", {{"dn", node(1)}, {"attrs", {{"viewMapFile", "world.map"}}}}, "ModifyBackgroundImage"},
        {"nobg", "set", {{"dn", node(1)}, {"attrs", {{"viewBackgroundImage", ""}}}}, ""},  // the default
        {"nodescr", "set", {{"dn", node(4)}, {"attrs", {{"name", "renamed"}}}}, "ModifyDescrAgentTypeStatus"},
        {"nodescr", "set", {{"dn", node(4)}, {"attrs", {{"typeName", "Switch"}}}}, "ModifyDescrAgentTypeStatus"},
        {"nodescr", "set",
         {{"dn", node(4)}, {"attrs", {{"userData", json::array({{{"name", "contact"}, {"value", "\"other\""}}})}}}},
         "ModifyDescrAgentTypeStatus"},
        {"nodescr", "set", {{"dn", node(4)}, {"attrs", {{"managedObjects", {"/systemId=name:\"mis2\""}}}}},
         "ModifyDescrAgentTypeStatus"},
        {"nodescr", "set", {{"dn", node(4)}, {"attrs", {{"severityPropagated", false}}}}, "ModifyDescrAgentTypeStatus"},
        {"nodescr", "set", {{"dn", node(4)}, {"attrs", {{"monitorRotation", 90}}}}, "ModifyDescrAgentTypeStatus"},
        {"nodescr", "set", {{"dn", node(4)}, {"attrs", {{"name", "router1"}}}}, ""},
        // Parents are also allowed by CreateObjects, which this user holds.
        {"nodescr", "set", {{"dn", node(5)}, {"attrs", {{"parents", {node(3), node(2)}}}}}, ""},
        {"noadmin", "admin.dump", json::object(), "Admin"},
        {"noadmin", "user.list", json::object(), "Admin"},
        {"noadmin", "user.add", {{"name", "x"}, {"password", "x"}}, "Admin"},
        {"noadmin", "create", {{"dn", "/systemId=name:\"sec\"/logId=\"l\""}, {"class", "log"}}, "Admin"},
        // Changing one's own password is every user's right.
        {"viewer", "user.passwd", {{"name", "viewer"}, {"password", "viewer"}}, ""},
        {"viewer", "user.passwd", {{"name", "admin"}, {"password", "x"}}, "Admin"},
    };
    std::map<std::string, std::unique_ptr<RawClient>> clients;  // one login per user: logins are slow by design
    for (const auto& c : cases) {
        SCOPED_TRACE(c.user + " " + c.op + " " + c.params.dump());
        auto& client = clients[c.user];
        if (!client)
            client = logged_in(c.user);
        const json reply = client->request(c.op, c.params);
        if (c.right.empty()) {
            EXPECT_EQ(reply["ok"], true) << reply.dump();
            continue;
        }
        expect_refused(reply, c.right);
        if (c.op == "set") {
            EXPECT_NE(reply["error"].get<std::string>().find("changing " + c.params["attrs"].begin().key()),
                      std::string::npos);
        }
    }
    EXPECT_EQ(clients["nocoord"]->request("set", cases[2].params)["error"],
              "Not authorized: changing geoLocation needs the right ModifyCoordinates");
    // Nothing refused was written.
    const json after = attrs_of(4, {"name", "geoLocation"});
    EXPECT_EQ(after["name"], "router1");
    EXPECT_EQ(after["geoLocation"], geo);
    EXPECT_EQ(attrs_of(5, {"name"})["name"], "router2");
}

TEST_F(Secured, AgentObjectsNeedCreateObjectsOrModifyDescr)
{
    const std::string agent = "/systemId=name:\"sec\"/agentTableType=\"RPC\"/agentId=id:\"h1\"";
    const json viewer_try =
        logged_in("viewer")->request("create", {{"dn", agent}, {"class", "rpcProxyAgent"}, {"attrs", json::object()}});
    EXPECT_EQ(viewer_try["code"], 5);
    EXPECT_NE(viewer_try["error"].get<std::string>().find("CreateObjects or ModifyDescrAgentTypeStatus"),
              std::string::npos);
    EXPECT_EQ(logged_in("nocreate")->request("create", {{"dn", agent}, {"class", "rpcProxyAgent"}})["ok"], true);
    EXPECT_EQ(logged_in("nodescr")->request("set", {{"dn", agent}, {"attrs", {{"getCommunity", "x"}}}})["ok"], true);
}

TEST_F(Secured, UserManagementRefusesDuplicatesUnknownRightsAndMissingUsers)
{
    // The changes themselves are made through qv_admin in tests/admin.
    auto admin = logged_in("admin");
    EXPECT_EQ(admin->request("user.add", {{"name", "viewer"}, {"password", "x"}})["code"], 4);
    EXPECT_EQ(admin->request("user.add", {{"name", "bad"}, {"password", "x"}, {"rights", {"Fly"}}})["code"], 6);
    EXPECT_EQ(admin->request("user.grant", {{"name", "nobody"}, {"rights", {"Admin"}}})["code"], 3);
    EXPECT_EQ(admin->request("user.delete", {{"name", "nobody"}})["code"], 3);
}

TEST_F(Secured, ARevokedRightTakesEffectOnOpenConnections)
{
    auto admin = logged_in("admin");
    ASSERT_EQ(admin->request("user.add", {{"name", "mover"}, {"password", "mover"}, {"rights", {"ModifyCoordinates"}}})["ok"],
              true);
    auto c = logged_in("mover");
    const json here = {{"longitude", 1.5}, {"latitude", 2.5}};
    EXPECT_EQ(c->request("set", {{"dn", node(4)}, {"attrs", {{"geoLocation", here}}}})["ok"], true);
    ASSERT_EQ(admin->request("user.revoke", {{"name", "mover"}, {"rights", {"ModifyCoordinates"}}})["ok"], true);
    const json there = {{"longitude", 3.5}, {"latitude", 4.5}};
    expect_refused(c->request("set", {{"dn", node(4)}, {"attrs", {{"geoLocation", there}}}}), "ModifyCoordinates");
    EXPECT_EQ(c->ok("rights")["rights"], json::array());
}

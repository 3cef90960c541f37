// Login and the rights the server itself enforces, attribute by attribute.
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "RawClient.hpp"
#include "SharedServerSuite.hpp"
#include "TestTopology.hpp"
#include "support/TestServer.hpp"

using nlohmann::json;
using qv::test::node_dn;
using qv::test::RawClient;
using qv::test::ServerOptions;
using qv::test::TestServer;

namespace {

const char* const kSystem = "sec";

class Secured : public qv::test::SharedServerSuite<Secured> {
public:
    static ServerOptions options()
    {
        ServerOptions result;
        result.require_login = true;
        result.system_name = kSystem;
        result.load_text = qv::test::small_topology();
        return result;
    }

protected:

    // A connection logged in as user (password = name).
    std::unique_ptr<RawClient> as(const std::string& user, const std::string& application = "qv_test")
    {
        auto c = std::make_unique<RawClient>(server_->port());
        c->hello(application, user);
        const json reply = c->login(user, user);
        EXPECT_EQ(reply["ok"], true) << user << ": " << reply.dump();
        return c;
    }
    static std::string node(long id) { return node_dn(kSystem, id); }
    json attrs_of(long id, const std::vector<std::string>& names)
    {
        return as("admin")->ok("get", {{"dn", node(id)}, {"attrs", names}})["attrs"];
    }
    static void expect_refused(const json& reply, const std::string& right)
    {
        EXPECT_EQ(reply["ok"], false) << reply.dump();
        EXPECT_EQ(reply["code"], 5) << reply.dump();
        EXPECT_NE(reply.value("error", "").find("needs the right " + right), std::string::npos) << reply.dump();
    }

};

}  // namespace

TEST_F(Secured, HelloSaysLoginIsRequiredAndRequestsWaitForIt)
{
    RawClient c(server_->port());
    EXPECT_EQ(c.hello()["login"], "required");
    EXPECT_EQ(c.request("ping")["ok"], true);
    const json refused = c.request("topo.system_names");
    EXPECT_EQ(refused["code"], 7);
    EXPECT_EQ(refused["error"], "Login required");
}

TEST_F(Secured, WrongPasswordAndUnknownUserAreRefusedAlike)
{
    RawClient c(server_->port());
    c.hello();
    const json wrong = c.login("admin", "not-the-password");
    EXPECT_EQ(wrong["code"], 7);
    EXPECT_EQ(wrong["error"], "Login incorrect");
    const json nobody = c.login("nobody", "x");
    EXPECT_EQ(nobody["code"], 7);
    EXPECT_EQ(nobody["error"], "Login incorrect");
    const json right = c.login("viewer", "viewer");
    EXPECT_EQ(right["ok"], true);
    EXPECT_EQ(right["user"], "viewer");
}

TEST_F(Secured, ThirdRefusalClosesTheConnection)
{
    RawClient c(server_->port());
    c.hello();
    EXPECT_EQ(c.login("admin", "a")["code"], 7);
    EXPECT_EQ(c.login("admin", "b")["code"], 7);
    EXPECT_EQ(c.login("admin", "c")["code"], 7);
    EXPECT_TRUE(c.closed_by_server());
}

TEST_F(Secured, PasswordsNeverReachTheLogOrTheDatabaseInClear)
{
    const std::string password = "Zq-distinct-pw-77";
    auto admin = as("admin");
    EXPECT_EQ(admin->request("user.add", {{"name", "pwcheck"}, {"password", password}})["ok"], true);
    RawClient c(server_->port());
    c.hello();
    EXPECT_EQ(c.login("admin", "Secret-Typed-Wrong-42")["code"], 7);
    EXPECT_EQ(c.login("pwcheck", password)["ok"], true);
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

TEST_F(Secured, RightsListTheUsersRightsAndGuardTheTool)
{
    const json rights = as("viewer", "qv_tolvar")->ok("rights");
    EXPECT_EQ(rights["user"], "viewer");
    EXPECT_EQ(rights["rights"], json({"RunObjectProperties"}));
    const json refused = as("norun", "qv_tolvar")->request("rights");
    expect_refused(refused, "RunObjectProperties");
    // Another application may read its rights without that one.
    EXPECT_EQ(as("norun", "qv_admin")->ok("rights")["rights"], json::array());
}

TEST_F(Secured, CreatingAndDeletingNodesNeedsCreateObjects)
{
    auto c = as("nocreate");
    const json create = c->request(
        "create", {{"class", "topoNode"}, {"attrs", {{"typeName", "Router"}, {"parents", {node(3)}}}}});
    expect_refused(create, "CreateObjects");
    expect_refused(c->request("delete", {{"dn", node(5)}}), "CreateObjects");
    EXPECT_TRUE(as("admin")->ok("exists", {{"dn", node(5)}})["exists"]);
}

TEST_F(Secured, CoordinatesNeedModifyCoordinatesUnlessWrittenBackUnchanged)
{
    auto c = as("nocoord");
    const json geo = attrs_of(4, {"geoLocation"})["geoLocation"];
    EXPECT_EQ(c->request("set", {{"dn", node(4)}, {"attrs", {{"geoLocation", geo}}}})["ok"], true);
    const json moved = c->request(
        "set", {{"dn", node(4)}, {"attrs", {{"geoLocation", {{"longitude", 2.35}, {"latitude", 48.85}}}}}});
    expect_refused(moved, "ModifyCoordinates");
    EXPECT_EQ(moved["error"], "Not authorized: changing geoLocation needs the right ModifyCoordinates");
    expect_refused(c->request("set", {{"dn", node(4)},
                                      {"attrs",
                                       {{"logicalLocations",
                                         json::array({{{"parent", node(3)}, {"x", 1}, {"y", 2}, {"z", 0}}})}}}}),
                   "ModifyCoordinates");
    EXPECT_EQ(attrs_of(4, {"geoLocation"})["geoLocation"], geo);
}

TEST_F(Secured, BackgroundNeedsModifyBackgroundImage)
{
    auto c = as("nobg");
    expect_refused(c->request("set", {{"dn", node(1)}, {"attrs", {{"viewBackgroundImage", "world.xpm"}}}}),
                   "ModifyBackgroundImage");
    expect_refused(c->request("set", {{"dn", node(1)}, {"attrs", {{"viewMapFile", "world.map"}}}}),
                   "ModifyBackgroundImage");
    // The defaults written back are no change.
    EXPECT_EQ(c->request("set", {{"dn", node(1)}, {"attrs", {{"viewBackgroundImage", ""}}}})["ok"], true);
}

TEST_F(Secured, DescriptionsAgentsAndTypesNeedModifyDescrAgentTypeStatus)
{
    auto c = as("nodescr");
    for (const auto& [attr, value] : std::vector<std::pair<std::string, json>>{
             {"name", "renamed"},
             {"typeName", "Switch"},
             {"userData", json::array({{{"name", "contact"}, {"value", "\"other\""}}})},
             {"managedObjects", json::array({"/systemId=name:\"mis2\""})},
             {"severityPropagated", false},
             {"monitorRotation", 90}}) {
        const json reply = c->request("set", {{"dn", node(4)}, {"attrs", {{attr, value}}}});
        expect_refused(reply, "ModifyDescrAgentTypeStatus");
        EXPECT_NE(reply["error"].get<std::string>().find("changing " + attr), std::string::npos);
    }
    // Parents are also allowed by CreateObjects, which this user holds.
    EXPECT_EQ(c->request("set", {{"dn", node(5)}, {"attrs", {{"parents", {node(3), node(2)}}}}})["ok"], true);
    // The same value written back is no change and needs nothing.
    EXPECT_EQ(c->request("set", {{"dn", node(4)}, {"attrs", {{"name", "router1"}}}})["ok"], true);
}

TEST_F(Secured, AgentObjectsNeedCreateObjectsOrModifyDescr)
{
    const std::string agent = "/systemId=name:\"sec\"/agentTableType=\"RPC\"/agentId=id:\"h1\"";
    const json viewer_try =
        as("viewer")->request("create", {{"dn", agent}, {"class", "rpcProxyAgent"}, {"attrs", json::object()}});
    EXPECT_EQ(viewer_try["code"], 5);
    EXPECT_NE(viewer_try["error"].get<std::string>().find("CreateObjects or ModifyDescrAgentTypeStatus"),
              std::string::npos);
    EXPECT_EQ(as("nocreate")->request("create", {{"dn", agent}, {"class", "rpcProxyAgent"}})["ok"], true);
    EXPECT_EQ(as("nodescr")->request("set", {{"dn", agent}, {"attrs", {{"getCommunity", "x"}}}})["ok"], true);
}

TEST_F(Secured, AdministrationNeedsAdmin)
{
    auto c = as("noadmin");
    expect_refused(c->request("admin.dump"), "Admin");
    expect_refused(c->request("user.list"), "Admin");
    expect_refused(c->request("user.add", {{"name", "x"}, {"password", "x"}}), "Admin");
    expect_refused(c->request("create", {{"dn", "/systemId=name:\"sec\"/logId=\"l\""}, {"class", "log"}}), "Admin");
    // Changing one's own password is every user's right.
    EXPECT_EQ(as("viewer")->request("user.passwd", {{"name", "viewer"}, {"password", "viewer"}})["ok"], true);
    expect_refused(as("viewer")->request("user.passwd", {{"name", "admin"}, {"password", "x"}}), "Admin");
}

TEST_F(Secured, ARefusedAttributeKeepsTheWholeRequestFromBeingWritten)
{
    auto c = as("nocoord");
    const json reply = c->request(
        "set", {{"dn", node(5)},
                {"attrs", {{"name", "half-written"}, {"geoLocation", {{"longitude", 1.0}, {"latitude", 1.0}}}}}});
    expect_refused(reply, "ModifyCoordinates");
    EXPECT_EQ(attrs_of(5, {"name"})["name"], "router2");
}

TEST_F(Secured, UsersAreManagedByAdmin)
{
    auto admin = as("admin");
    EXPECT_EQ(admin->request("user.add", {{"name", "temp"}, {"password", "pw1"}, {"rights", {"CreateObjects"}}})["ok"],
              true);
    EXPECT_EQ(admin->request("user.add", {{"name", "temp"}, {"password", "pw1"}})["code"], 4);
    EXPECT_EQ(admin->request("user.add", {{"name", "bad"}, {"password", "x"}, {"rights", {"Fly"}}})["code"], 6);
    EXPECT_EQ(admin->request("user.grant", {{"name", "temp"}, {"rights", {"Admin"}}})["ok"], true);
    EXPECT_EQ(admin->request("user.revoke", {{"name", "temp"}, {"rights", {"CreateObjects"}}})["ok"], true);
    EXPECT_EQ(admin->request("user.passwd", {{"name", "temp"}, {"password", "pw2"}})["ok"], true);
    RawClient c(server_->port());
    c.hello();
    EXPECT_EQ(c.login("temp", "pw1")["code"], 7);
    EXPECT_EQ(c.login("temp", "pw2")["ok"], true);
    EXPECT_EQ(c.ok("rights")["rights"], json({"Admin"}));
    EXPECT_EQ(admin->request("user.delete", {{"name", "temp"}})["ok"], true);
    EXPECT_EQ(admin->request("user.delete", {{"name", "temp"}})["code"], 3);
}

TEST_F(Secured, ARevokedRightOrDeletedUserTakesEffectOnOpenConnections)
{
    auto admin = as("admin");
    ASSERT_EQ(admin->request("user.add", {{"name", "mover"}, {"password", "mover"}, {"rights", {"ModifyCoordinates"}}})["ok"],
              true);
    auto c = as("mover");
    const json here = {{"longitude", 1.5}, {"latitude", 2.5}};
    EXPECT_EQ(c->request("set", {{"dn", node(4)}, {"attrs", {{"geoLocation", here}}}})["ok"], true);
    ASSERT_EQ(admin->request("user.revoke", {{"name", "mover"}, {"rights", {"ModifyCoordinates"}}})["ok"], true);
    const json there = {{"longitude", 3.5}, {"latitude", 4.5}};
    expect_refused(c->request("set", {{"dn", node(4)}, {"attrs", {{"geoLocation", there}}}}), "ModifyCoordinates");
    EXPECT_EQ(c->ok("rights")["rights"], json::array());

    ASSERT_EQ(admin->request("user.delete", {{"name", "mover"}})["ok"], true);
    const json gone = c->request("topo.system_names");
    EXPECT_EQ(gone["code"], 7) << gone.dump();
}

// Notifications through each connection's discriminator, album events to
// the connection tracking the parent.
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

const char* const kSystem = "ev";
const std::string kCmipTable = "/systemId=name:\"ev\"/agentTableType=\"CMIP\"";

class Events : public qv::test::SharedServerSuite<Events> {
public:
    static ServerOptions options() { return qv::test::small_topology_server(kSystem); }

protected:
    static std::string entity(const std::string& name) { return kCmipTable + "/agentId=id:\"" + name + "\""; }
    static json create_node(RawClient& c, const std::string& name)
    {
        return c.ok("create", {{"class", "topoNode"},
                               {"attrs", {{"name", name}, {"typeName", "Router"}, {"parents", {node_dn(kSystem, 3)}}}}});
    }
};

}  // namespace

TEST_F(Events, DefaultDiscriminatorAdmitsEveryChangeIncludingOwnButNoFailedOne)
{
    auto c = greeted();
    const std::string dn = create_node(*c, "seen")["dn"];
    c->ok("set", {{"dn", dn}, {"attrs", {{"name", "seen2"}}}});
    const json refused = c->request(
        "create", {{"class", "topoNode"}, {"attrs", {{"typeName", "Router"}, {"parents", {node_dn(kSystem, 999)}}}}});
    EXPECT_EQ(refused["ok"], false);
    auto created = c->next_event();
    ASSERT_TRUE(created);
    EXPECT_EQ((*created)["type"], "objectCreation");
    EXPECT_EQ((*created)["class"], "topoNode");
    auto changed = c->next_event();
    ASSERT_TRUE(changed);
    EXPECT_EQ((*changed)["type"], "attributeValueChange");
    EXPECT_EQ((*changed)["attributes"], json({"name"}));
    EXPECT_FALSE(c->next_event(0.5));
}

// A tool whose discriminator asks for the creations and deletions of one
// class, and a browser tracking an album of that class below the CMIP table:
// each sees the agent entity come and go, and nothing else.
TEST_F(Events, DiscriminatorAndTrackedAlbumLetThroughOnlyWhatWasAskedFor)
{
    auto tool = greeted();
    tool->ok("set_discriminator",
             {{"classes", {"cmipAgentEntity"}}, {"event_types", {"objectCreation", "objectDeletion"}}});
    auto browser = greeted();
    browser->ok("set_discriminator", {{"classes", {"nothing"}}, {"event_types", json::array()}});
    browser->ok("derive", {{"derivation", kCmipTable + "/*/CMISFilter(objectClass=cmipAgentEntity)"},
                           {"album", 7},
                           {"track", true}});
    auto writer = greeted();
    create_node(*writer, "elsewhere");  // below the system, not the table; another class
    writer->ok("create", {{"dn", entity("e1")}, {"class", "cmipAgentEntity"}});
    writer->ok("set", {{"dn", entity("e1")}, {"attrs", {{"networkSap", "4900"}}}});
    writer->ok("create", {{"dn", kCmipTable + "/logId=\"l1\""}, {"class", "log"}});  // of another class
    writer->ok("delete", {{"dn", entity("e1")}});

    const struct {
        RawClient& client;
        json created;
        json destroyed;
    } watchers[] = {
        {*tool,
         {{"event", "notification"}, {"type", "objectCreation"}, {"dn", entity("e1")}, {"class", "cmipAgentEntity"}},
         {{"event", "notification"}, {"type", "objectDeletion"}, {"dn", entity("e1")}}},
        {*browser,
         {{"event", "album"}, {"album", 7}, {"type", "OBJECT_CREATED"}, {"dn", entity("e1")},
          {"class", "cmipAgentEntity"}},
         {{"event", "album"}, {"album", 7}, {"type", "OBJECT_DESTROYED"}, {"dn", entity("e1")}}},
    };
    for (const auto& w : watchers) {
        SCOPED_TRACE(w.created.dump());
        EXPECT_EQ(w.client.next_event().value_or(json()), w.created);
        const json destroyed = w.client.next_event().value_or(json());
        for (const auto& [key, value] : w.destroyed.items())
            EXPECT_EQ(destroyed[key], value) << key;
        EXPECT_FALSE(w.client.next_event(0.5));
    }

    browser->ok("release_album", {{"album", 7}});
    writer->ok("create", {{"dn", entity("untracked")}, {"class", "cmipAgentEntity"}});
    EXPECT_FALSE(browser->next_event(0.5));
}

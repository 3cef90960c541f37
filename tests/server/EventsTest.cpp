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
    static ServerOptions options()
    {
        ServerOptions result;
        result.system_name = kSystem;
        result.load_text = qv::test::small_topology();
        return result;
    }

protected:
    static std::unique_ptr<RawClient> connect()
    {
        auto c = std::make_unique<RawClient>(server_->port());
        c->hello();
        return c;
    }
    static std::string entity(const std::string& name) { return kCmipTable + "/agentId=id:\"" + name + "\""; }
    static json create_node(RawClient& c, const std::string& name)
    {
        return c.ok("create", {{"class", "topoNode"},
                               {"attrs", {{"name", name}, {"typeName", "Router"}, {"parents", {node_dn(kSystem, 3)}}}}});
    }

};

}  // namespace

TEST_F(Events, DiscriminatorLetsThroughOnlyWhatTheConnectionAskedFor)
{
    auto tool = connect();
    tool->ok("set_discriminator",
             {{"classes", {"cmipAgentEntity"}}, {"event_types", {"objectCreation", "objectDeletion"}}});
    auto writer = connect();

    create_node(*writer, "not-for-the-tool");
    writer->ok("create", {{"dn", entity("e1")}, {"class", "cmipAgentEntity"}});
    writer->ok("set", {{"dn", entity("e1")}, {"attrs", {{"networkSap", "4900"}}}});
    writer->ok("delete", {{"dn", entity("e1")}});

    auto first = tool->next_event();
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, json({{"event", "notification"}, {"type", "objectCreation"}, {"dn", entity("e1")},
                            {"class", "cmipAgentEntity"}}));
    auto second = tool->next_event();
    ASSERT_TRUE(second);
    EXPECT_EQ((*second)["type"], "objectDeletion");
    EXPECT_EQ((*second)["dn"], entity("e1"));
    // Neither the node's creation nor the attribute change came through.
    EXPECT_FALSE(tool->next_event(0.5));
}

TEST_F(Events, DefaultDiscriminatorAdmitsEverythingIncludingChangesBySelf)
{
    auto c = connect();
    const std::string dn = create_node(*c, "seen")["dn"];
    c->ok("set", {{"dn", dn}, {"attrs", {{"name", "seen2"}}}});
    auto created = c->next_event();
    ASSERT_TRUE(created);
    EXPECT_EQ((*created)["type"], "objectCreation");
    EXPECT_EQ((*created)["class"], "topoNode");
    auto changed = c->next_event();
    ASSERT_TRUE(changed);
    EXPECT_EQ((*changed)["type"], "attributeValueChange");
    EXPECT_EQ((*changed)["attributes"], json({"name"}));
}

TEST_F(Events, FailedRequestAnnouncesNothing)
{
    auto watcher = connect();
    auto writer = connect();
    const json refused = writer->request(
        "create", {{"class", "topoNode"}, {"attrs", {{"typeName", "Router"}, {"parents", {node_dn(kSystem, 999)}}}}});
    EXPECT_EQ(refused["ok"], false);
    EXPECT_FALSE(watcher->next_event(0.5));
}

TEST_F(Events, TrackedAlbumReportsCreationsAndDeletionsBelowItsBase)
{
    auto browser = connect();
    browser->ok("set_discriminator", {{"classes", {"nothing"}}, {"event_types", json::array()}});
    const json images =
        browser->ok("derive", {{"derivation", kCmipTable + "/*"}, {"album", 7}, {"track", true}})["images"];
    const std::size_t before = images.size();
    auto writer = connect();
    writer->ok("create", {{"dn", entity("tracked")}, {"class", "cmipAgentEntity"}});
    create_node(*writer, "elsewhere");  // below the system, not the table
    writer->ok("delete", {{"dn", entity("tracked")}});

    auto in = browser->next_event();
    ASSERT_TRUE(in);
    EXPECT_EQ(*in, json({{"event", "album"}, {"album", 7}, {"type", "OBJECT_CREATED"}, {"dn", entity("tracked")},
                         {"class", "cmipAgentEntity"}}));
    auto out = browser->next_event();
    ASSERT_TRUE(out);
    EXPECT_EQ((*out)["type"], "OBJECT_DESTROYED");
    EXPECT_FALSE(browser->next_event(0.5));

    browser->ok("release_album", {{"album", 7}});
    writer->ok("create", {{"dn", entity("untracked")}, {"class", "cmipAgentEntity"}});
    EXPECT_FALSE(browser->next_event(0.5));
    const json again = browser->ok("derive", {{"derivation", kCmipTable + "/*"}, {"album", 8}})["images"];
    EXPECT_EQ(again.size(), before + 1);
}

TEST_F(Events, AlbumWithAClassFilterIgnoresOtherClasses)
{
    auto browser = connect();
    browser->ok("set_discriminator", {{"classes", {"nothing"}}});
    browser->ok("derive", {{"derivation", kCmipTable + "/*/CMISFilter(objectClass=cmipAgentEntity)"},
                           {"album", 1},
                           {"track", true}});
    auto writer = connect();
    writer->ok("create", {{"dn", kCmipTable + "/logId=\"l1\""}, {"class", "log"}});
    writer->ok("create", {{"dn", entity("filtered-in")}, {"class", "cmipAgentEntity"}});
    auto e = browser->next_event();
    ASSERT_TRUE(e);
    EXPECT_EQ((*e)["dn"], entity("filtered-in"));
}

TEST_F(Events, AClientThatNeverReadsStallsNoOne)
{
    // The sluggard asks for 40 MiB, far more than the socket buffers hold,
    // and never reads a byte of the answers.
    const std::string big = "/systemId=name:\"ev\"/logId=\"sluggish\"";
    connect()->ok("create", {{"dn", big}, {"class", "log"}, {"attrs", {{"blob", std::string(1 << 20, 's')}}}});
    RawClient sluggard(server_->port());
    sluggard.hello();
    std::string burst;
    for (int id = 1; id <= 40; ++id)
        burst += qv::proto::encode_frame(json{{"id", id}, {"op", "get"}, {"dn", big}});
    sluggard.send_bytes(burst);

    auto other = connect();
    for (int i = 0; i < 20; ++i) {
        const json reply = other->request("topo.pathnames", {{"dn", node_dn(kSystem, 4)}});
        ASSERT_EQ(reply["ok"], true);
    }
    create_node(*other, "while-someone-sleeps");
    EXPECT_TRUE(server_->is_running());
}

// Events between clients of one qv_server: a client that tracks a scope
// (album) sees what another one creates and destroys. What a discriminator
// lets through, on the wire: tests/server/EventsTest.cpp.
#include <gtest/gtest.h>

#include "EventWait.hpp"
#include "ServerClient.hpp"
#include "platform/Image.hpp"
#include "platform/QvAgents.hpp"

namespace {

class EventsServer : public ::testing::Test {
protected:
    EventsServer() : server_(qv::test::fixture_options()) {}
    std::string entity(const std::string& name) const
    {
        return QvCmipAgentDn(server_.system_name(), name).to_string();
    }
    qv::test::TestServer server_;
};

std::vector<std::string> image_names(const Album& album)
{
    std::vector<std::string> names;
    for (AlbumImage i = album.first_image(); i; i = i.next_image())
        names.push_back(i.image().get_objname().str());
    std::sort(names.begin(), names.end());  // the server promises no order
    return names;
}

}  // namespace

TEST_F(EventsServer, DerivationByClassAndOfAMissingSystem)
{
    auto platform = ServerClient::connect(server_);
    Album nodes("nodes", platform.get());
    nodes.set_derivation("/systemId=name:\"" + server_.system_name() + "\"/*/CMISFilter(objectClass=topoNode)");
    ASSERT_EQ(nodes.derive(300.0), 1) << nodes.status();
    EXPECT_EQ(nodes.num_images(), 22);

    Album missing("missing", platform.get());
    missing.set_derivation("/systemId=name:\"nowhere\"/*");
    EXPECT_EQ(missing.derive(), 0);
    EXPECT_FALSE(missing.status().text().empty());
}

TEST_F(EventsServer, CreationAndDeletionReachTheTrackingAlbum)
{
    auto writer = ServerClient::connect(server_);
    auto tracker = ServerClient::connect(server_);

    Album album("agent_list", tracker.get());
    album.set_prop("TRACKMODE", "TRACK");
    album.set_prop("AUTOIMAGE", "YES");
    album.set_derivation("agentTableType=\"CMIP\"/*");
    ASSERT_EQ(album.derive(), 1) << album.status();
    EXPECT_EQ(image_names(album), (std::vector<std::string>{entity("fx-mis"), entity("fx-osi-1")}));
    EXPECT_EQ(album.first_image().image().get_objclass().str(), "cmipAgentEntity");
    SeenEvents album_seen;
    album.when("IMAGE_INCLUDED", album_seen.callback());
    album.when("IMAGE_EXCLUDED", album_seen.callback());

    QvCmipAgent created(QvCmipAgentDn(server_.system_name(), "event-entity"), writer.get());
    created.set_agent_address_tag(8);
    ASSERT_TRUE(created.create_with_all_attributes());

    const std::string dn = entity("event-entity");
    EXPECT_TRUE(dispatch_until(*tracker, [&] { return album_seen.has("IMAGE_INCLUDED " + dn); }));
    EXPECT_EQ(album.num_images(), 3);
    // The new image knows its album, by the name it was given.
    const auto albums = Image(dn, "", tracker.get()).albums();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].get_prop("NICKNAME").str(), "agent_list");

    ASSERT_TRUE(created.destroy());
    EXPECT_TRUE(dispatch_until(*tracker, [&] { return album_seen.has("IMAGE_EXCLUDED " + dn); }));
    EXPECT_EQ(album.num_images(), 2);
}

TEST_F(EventsServer, EventsDeliveredInsideADerivationChangeTheCookie)
{
    auto writer = ServerClient::connect(server_);
    auto reader = ServerClient::connect(server_);
    SeenEvents seen;
    reader->when("OBJECT_CREATED", seen.callback());
    nlohmann::json r;
    ASSERT_TRUE(reader->request("ping", nlohmann::json::object(), r));

    QvCmipAgent created(QvCmipAgentDn(server_.system_name(), "cookie-entity"), writer.get());
    ASSERT_TRUE(created.create_with_all_attributes());
    ASSERT_TRUE(writer->request("ping", nlohmann::json::object(), r));

    const long before = current_cookie();
    Album album("later", reader.get());
    album.set_derivation("agentTableType=\"RPC\"/*");
    // The notification reached the reader's socket before this request's
    // reply, so the derivation delivers it before returning.
    for (int i = 0; i < 100 && seen.events.empty(); ++i) {
        ASSERT_EQ(album.derive(), 1);
        if (seen.events.empty())
            reader->dispatch_events(0.05);
    }
    ASSERT_FALSE(seen.events.empty());
    EXPECT_NE(current_cookie(), before);
}

// How events reach callers: queued as they arrive, delivered from the event
// loop's defer, applied to the album they name.
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "platform/AlbumState.hpp"
#include "platform/EventLoop.hpp"
#include "platform/EventRouter.hpp"
#include "platform/Image.hpp"

namespace {

class ManualLoop : public EventLoop {
public:
    void watch(int, std::function<void()>) override {}
    void unwatch(int) override {}
    void defer(std::function<void()> fn) override { deferred.push_back(std::move(fn)); }
    void run()
    {
        auto jobs = std::move(deferred);
        deferred.clear();
        for (auto& job : jobs)
            job();
    }
    std::vector<std::function<void()>> deferred;
};

struct Recorder {
    static void record(void* data, void* event)
    {
        CurrentEvent e(event);
        static_cast<Recorder*>(data)->seen.push_back(e.get_event_name().str() + " " + e.get_objname().str());
    }
    Callback callback() { return Callback(&Recorder::record, this); }
    std::vector<std::string> seen;
};

}  // namespace

TEST(EventDelivery, NotificationsWaitForTheLoop)
{
    ManualLoop loop;
    Platform platform;
    platform.events().reset(&loop);
    Recorder rec;
    platform.when("OBJECT_CREATED", rec.callback());
    platform.when("OBJECT_DESTROYED", rec.callback());

    platform.events().push({{"event", "notification"}, {"type", "objectCreation"}, {"dn", "/a=1"}, {"class", "c"}});
    platform.events().push({{"event", "notification"}, {"type", "objectDeletion"}, {"dn", "/a=2"}, {"class", "c"}});
    EXPECT_TRUE(rec.seen.empty());
    EXPECT_EQ(loop.deferred.size(), 1u);  // one defer for a burst
    loop.run();
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"OBJECT_CREATED /a=1", "OBJECT_DESTROYED /a=2"}));
}

TEST(EventDelivery, DisconnectionIsDeliveredOnce)
{
    ManualLoop loop;
    Platform platform;
    platform.events().reset(&loop);
    Recorder rec;
    platform.when("DISCONNECTED", rec.callback());
    platform.events().push_disconnected();
    platform.events().push_disconnected();
    loop.run();
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"DISCONNECTED "}));
}

TEST(EventDelivery, WithoutALoopEventsWaitForDispatch)
{
    Platform platform;
    Recorder rec;
    platform.when("ATTRIBUTE_CHANGED", rec.callback());
    platform.events().push({{"event", "notification"}, {"type", "attributeValueChange"}, {"dn", "/a=1"}});
    EXPECT_TRUE(rec.seen.empty());
    EXPECT_EQ(platform.dispatch_events(), 1);
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"ATTRIBUTE_CHANGED /a=1"}));
}

TEST(EventDelivery, EventsNobodyAskedForAreNotKept)
{
    Platform platform;
    Recorder rec;
    platform.when("OBJECT_CREATED", rec.callback());
    for (int i = 0; i < 1000; ++i)
        platform.events().push({{"event", "notification"}, {"type", "attributeValueChange"}, {"dn", "/a=1"}});
    platform.events().push({{"event", "album"}, {"album", 42}, {"type", "OBJECT_CREATED"}, {"dn", "/a=2"}});
    EXPECT_FALSE(platform.events().has_pending());
    EXPECT_EQ(platform.dispatch_events(), 0);
}

TEST(AlbumEvents, TrackingAlbumFollowsCreationAndDeletion)
{
    Platform platform;
    auto album = std::make_shared<AlbumState>("scope", &platform);
    album->props["TRACKMODE"] = "TRACK";
    album->number = platform.events().register_album(album);
    Recorder rec;
    for (const char* e : {"OBJECT_CREATED", "IMAGE_INCLUDED", "OBJECT_DESTROYED", "IMAGE_EXCLUDED"})
        album->callbacks[e].push_back(rec.callback());

    platform.events().push({{"event", "album"}, {"album", album->number}, {"type", "OBJECT_CREATED"}, {"dn", "/s=1/x=1"}});
    platform.dispatch_events();
    ASSERT_EQ(album->images.size(), 1u);
    // The new image is found in its album while the creation is delivered.
    EXPECT_EQ(platform.events().albums_holding("/s=1/x=1").size(), 1u);

    platform.events().push({{"event", "album"}, {"album", album->number}, {"type", "OBJECT_DESTROYED"}, {"dn", "/s=1/x=1"}});
    platform.events().push({{"event", "album"}, {"album", album->number + 1}, {"type", "OBJECT_CREATED"}, {"dn", "/o=1"}});
    platform.dispatch_events();
    EXPECT_TRUE(album->images.empty());
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"OBJECT_CREATED /s=1/x=1", "IMAGE_INCLUDED /s=1/x=1",
                                                  "OBJECT_DESTROYED /s=1/x=1", "IMAGE_EXCLUDED /s=1/x=1"}));
}

TEST(AlbumEvents, WithoutAutoImageCreationsAreOnlyReported)
{
    Platform platform;
    AlbumState album("scope", &platform);
    album.props["AUTOIMAGE"] = "NO";
    Recorder rec;
    album.callbacks["OBJECT_CREATED"].push_back(rec.callback());
    album.callbacks["IMAGE_INCLUDED"].push_back(rec.callback());
    album.apply("OBJECT_CREATED", "/s=1/x=2", "c");
    EXPECT_TRUE(album.images.empty());
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"OBJECT_CREATED /s=1/x=2"}));
}

TEST(AlbumProperties, DerivationAndPropertiesAreChecked)
{
    Platform platform;
    Album album("agent_list", &platform);
    EXPECT_EQ(album.get_prop("NICKNAME").str(), "agent_list");
    EXPECT_EQ(album.set_prop("TRACKMODE", "TRACK"), 1);
    EXPECT_EQ(album.get_prop("TRACKMODE").str(), "TRACK");
    EXPECT_EQ(album.set_prop("COLOUR", "blue"), 0);
    EXPECT_EQ(album.set_derivation("agentTableType=\"CMIP\"/*"), 1);
    EXPECT_EQ(album.set_derivation("/*"), 1);
    EXPECT_EQ(album.set_derivation("/systemId=name:\"vm\"/*/CMISFilter(objectClass=topoNode)"), 1);
    EXPECT_EQ(album.set_derivation("/systemId=name:\"vm\""), 0);
    EXPECT_EQ(album.status().code(), QvStatus::BadArgument);
    // Not connected: deriving fails and says why.
    EXPECT_EQ(album.derive(1.0), 0);
    EXPECT_EQ(album.status().text(), "Not connected to the server");
    EXPECT_EQ(album.num_images(), 0);
    EXPECT_FALSE(album.first_image().valid());
}

// How events reach callers: queued as they arrive, delivered from the event
// loop's defer or by dispatch, applied to the album they name. An album that
// tracks its scope through the real server is tested in EventsServerTest.
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "EventWait.hpp"
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

}  // namespace

TEST(EventDelivery, NotificationsWaitForTheLoop)
{
    ManualLoop loop;
    Platform platform;
    platform.events().reset(&loop);
    SeenEvents seen;
    platform.when("OBJECT_CREATED", seen.callback());
    platform.when("OBJECT_DESTROYED", seen.callback());

    platform.events().push({{"event", "notification"}, {"type", "objectCreation"}, {"dn", "/a=1"}, {"class", "c"}});
    platform.events().push({{"event", "notification"}, {"type", "objectDeletion"}, {"dn", "/a=2"}, {"class", "c"}});
    EXPECT_TRUE(seen.events.empty());
    EXPECT_EQ(loop.deferred.size(), 1u);  // one defer for a burst
    loop.run();
    EXPECT_EQ(seen.events, (std::vector<std::string>{"OBJECT_CREATED /a=1", "OBJECT_DESTROYED /a=2"}));
}

TEST(EventDelivery, WithoutALoopEventsWaitForDispatchAndUnwantedOnesAreNotKept)
{
    Platform platform;
    SeenEvents seen;
    platform.when("ATTRIBUTE_CHANGED", seen.callback());
    platform.events().push({{"event", "notification"}, {"type", "attributeValueChange"}, {"dn", "/a=1"}});
    EXPECT_TRUE(seen.events.empty());
    EXPECT_EQ(platform.dispatch_events(), 1);
    EXPECT_EQ(seen.events, (std::vector<std::string>{"ATTRIBUTE_CHANGED /a=1"}));

    for (int i = 0; i < 1000; ++i)
        platform.events().push({{"event", "notification"}, {"type", "objectCreation"}, {"dn", "/a=1"}});
    platform.events().push({{"event", "album"}, {"album", 42}, {"type", "OBJECT_CREATED"}, {"dn", "/a=2"}});
    EXPECT_FALSE(platform.events().has_pending());
    EXPECT_EQ(platform.dispatch_events(), 0);
}

TEST(AlbumEvents, WithoutAutoImageCreationsAreOnlyReported)
{
    Platform platform;
    AlbumState album("scope", &platform);
    album.props["AUTOIMAGE"] = "NO";
    SeenEvents seen;
    album.callbacks["OBJECT_CREATED"].push_back(seen.callback());
    album.callbacks["IMAGE_INCLUDED"].push_back(seen.callback());
    album.apply("OBJECT_CREATED", "/s=1/x=2", "c");
    EXPECT_TRUE(album.images.empty());
    EXPECT_EQ(seen.events, (std::vector<std::string>{"OBJECT_CREATED /s=1/x=2"}));
}

TEST(AlbumProperties, UnknownPropertiesAndDerivationsAreRefused)
{
    Platform platform;
    Album album("agent_list", &platform);
    EXPECT_EQ(album.set_prop("TRACKMODE", "TRACK"), 1);
    EXPECT_EQ(album.set_prop("COLOUR", "blue"), 0);
    for (const char* derivation : {"agentTableType=\"CMIP\"/*", "/*",
                                   "/systemId=name:\"vm\"/*/CMISFilter(objectClass=topoNode)"})
        EXPECT_EQ(album.set_derivation(derivation), 1) << derivation;
    EXPECT_EQ(album.set_derivation("/systemId=name:\"vm\""), 0);
    EXPECT_EQ(album.status().code(), QvStatus::BadArgument);
    // Not connected: deriving fails and says why.
    EXPECT_EQ(album.derive(1.0), 0);
    EXPECT_EQ(album.status().text(), "Not connected to the server");
    EXPECT_EQ(album.num_images(), 0);
    EXPECT_FALSE(album.first_image().valid());
}

// With the library bound to an X toolkit application context, server events
// and the disconnection arrive as callbacks from the Xt loop, and only there;
// the loop's timers keep a quiet connection open.
#include <gtest/gtest.h>

#include <poll.h>

#include <chrono>
#include <thread>

#include "ServerClient.hpp"
#include "platform/Connection.hpp"
#include "platform/QvAgents.hpp"
#include "platform/XtBinding.hpp"

namespace {

struct Seen {
    static void record(void* data, void* event)
    {
        static_cast<Seen*>(data)->names.push_back(CurrentEvent(event).get_event_name().str());
    }
    std::vector<std::string> names;
};

// Runs the Xt loop's inputs and timers until the condition holds (bounded).
bool run_xt_until(XtAppContext context, const std::function<bool()>& condition, int rounds = 2000)
{
    for (int i = 0; i < rounds && !condition(); ++i) {
        if (XtAppPending(context) & (XtIMAlternateInput | XtIMTimer))
            XtAppProcessEvent(context, XtIMAlternateInput | XtIMTimer);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

}  // namespace

TEST(XtBinding, ServerEventsAndDisconnectionComeFromTheXtLoop)
{
    XtToolkitInitialize();
    XtAppContext context = XtCreateApplicationContext();
    qv::test::TestServer server(qv::test::fixture_options());
    auto writer = ServerClient::connect(server);
    set_app_context(context);
    auto bound = ServerClient::connect(server);
    Seen seen;
    bound->when("OBJECT_CREATED", Callback(&Seen::record, &seen));
    bound->when("DISCONNECTED", Callback(&Seen::record, &seen));

    QvCmipAgent entity(QvCmipAgentDn(server.system_name(), "xt-entity"), writer.get());
    ASSERT_TRUE(entity.create_with_all_attributes());
    // The event waits on the socket until the loop delivers it.
    pollfd arrived{bound->connection().fd(), POLLIN, 0};
    ASSERT_EQ(poll(&arrived, 1, 10000), 1);
    EXPECT_TRUE(seen.names.empty());
    EXPECT_TRUE(run_xt_until(context, [&] { return !seen.names.empty(); }));
    EXPECT_EQ(seen.names, (std::vector<std::string>{"OBJECT_CREATED"}));

    server.stop();
    EXPECT_TRUE(run_xt_until(context, [&] { return seen.names.size() == 2; }));
    EXPECT_EQ(seen.names.back(), "DISCONNECTED");
    run_xt_until(context, [] { return false; }, 30);  // nothing more comes
    EXPECT_EQ(seen.names.size(), 2u);
    set_app_context(nullptr);
}

TEST(XtBinding, AnOpenToolStaysConnectedPastTheServersIdleLimit)
{
    XtToolkitInitialize();
    XtAppContext context = XtCreateApplicationContext();
    auto options = qv::test::fixture_options();
    options.extra_args = {"--idle-timeout", "1"};
    qv::test::TestServer server(options);
    set_app_context(nullptr);
    auto silent = ServerClient::connect(server);  // no loop, so no keepalive
    set_app_context(context);
    auto bound = ServerClient::connect(server);
    Seen seen;
    bound->when("DISCONNECTED", Callback(&Seen::record, &seen));

    // The server closes the silent client; the bound one pings meanwhile, and
    // stays for as long again.
    EXPECT_TRUE(run_xt_until(context, [&] {
        silent->dispatch_events(0);
        return !silent->is_connected();
    }));
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    run_xt_until(context, [&] { return std::chrono::steady_clock::now() > until; });
    EXPECT_TRUE(seen.names.empty());
    nlohmann::json reply;
    EXPECT_TRUE(bound->request("ping", nlohmann::json::object(), reply));
    // The loop goes first; the client, destroyed after it, leaves it alone.
    set_app_context(nullptr);
}

// How the client library fails when the server does not behave: every
// failure is a false result with a text a user can act on, and nothing hangs
// past its time-out.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>

#include "FakePeer.hpp"
#include "platform/Platform.hpp"

namespace {

// A loopback port on which nothing listens.
int closed_port()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

struct DisconnectCounter {
    static void count(void* data, void* event)
    {
        auto* self = static_cast<DisconnectCounter*>(data);
        ++self->calls;
        self->name = CurrentEvent(event).get_event_name().str();
    }
    int calls = 0;
    std::string name;
};

class RefusingPrompt : public PasswordTty {
public:
    int password_function(RWCString& user, RWCString&) override
    {
        proposed = user;
        return 0;
    }
    std::string proposed;
};

}  // namespace

TEST(ConnectionFailure, RefusedConnectionNamesHostAndPort)
{
    const int port = closed_port();
    Platform p;
    p.set_port(port);
    EXPECT_EQ(p.connect("localhost", "test"), 0);
    EXPECT_EQ(p.get_error_string().str(), "Connection to localhost:" + std::to_string(port) + " refused");
    EXPECT_EQ(p.get_error_type(), Error::Connection);
    EXPECT_FALSE(p.is_connected());
}

TEST(ConnectionFailure, PortComesFromQvPortUnlessSet)
{
    const int port = closed_port();
    setenv("QV_PORT", std::to_string(port).c_str(), 1);
    Platform p;
    EXPECT_EQ(p.connect("localhost", "test"), 0);
    unsetenv("QV_PORT");
    EXPECT_NE(p.get_error_string().str().find(":" + std::to_string(port) + " "), std::string::npos);
}

TEST(ConnectionFailure, UnknownHostIsReported)
{
    Platform p;
    EXPECT_EQ(p.connect("no-such-host.invalid", "test"), 0);
    EXPECT_NE(p.get_error_string().str().find("no-such-host.invalid"), std::string::npos);
}

TEST(ConnectionFailure, SilentServerTimesOutDuringHandshake)
{
    FakePeer peer(FakePeer::Behaviour::Silent);
    Platform p;
    p.set_port(peer.port());
    EXPECT_EQ(p.connect("localhost", "test", 0.3), 0);
    EXPECT_EQ(p.get_error_string().str(), "Timed out after 0.3 s waiting for the server");
    EXPECT_EQ(p.get_error_type(), Error::Timeout);
}

TEST(ConnectionFailure, SomethingElseThanAQvServerIsRecognised)
{
    FakePeer peer(FakePeer::Behaviour::SpeakHttp);
    Platform p;
    p.set_port(peer.port());
    EXPECT_EQ(p.connect("localhost", "test", 5.0), 0);
    EXPECT_NE(p.get_error_string().str().find("does not speak the qv protocol"), std::string::npos)
        << p.get_error_string().str();
}

TEST(ConnectionFailure, RequestTimesOutButConnectionStays)
{
    FakePeer peer(FakePeer::Behaviour::Greet);
    Platform p;
    p.set_port(peer.port());
    ASSERT_EQ(p.connect("localhost", "qv_test", 5.0), 1) << p.get_error_string().str();
    EXPECT_EQ(p.system_name(), "fakesys");
    nlohmann::json result;
    const QvStatus st = p.request("ping", nlohmann::json::object(), result, 0.25);
    EXPECT_FALSE(st);
    EXPECT_EQ(st.code(), QvStatus::TimedOut);
    EXPECT_EQ(st.text(), "Timed out after 0.25 s waiting for the server");
    EXPECT_TRUE(p.is_connected());
    // The client said who it is and what it runs.
    const auto frames = peer.received();
    ASSERT_GE(frames.size(), 1u);
    EXPECT_EQ(frames[0].value("type", ""), "hello");
    EXPECT_EQ(frames[0].value("application", ""), "qv_test");
    EXPECT_EQ(frames[0].value("protocol", 0), 1);
}

TEST(ConnectionFailure, HangUpIsReportedOnceAndLaterCallsSayWhy)
{
    FakePeer peer(FakePeer::Behaviour::GreetThenHangUp);
    Platform p;
    p.set_port(peer.port());
    ASSERT_EQ(p.connect("localhost", "test", 5.0), 1) << p.get_error_string().str();
    DisconnectCounter counter;
    p.when("DISCONNECTED", Callback(&DisconnectCounter::count, &counter));
    for (int i = 0; i < 50 && counter.calls == 0; ++i)
        p.dispatch_events(0.1);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(counter.name, "DISCONNECTED");
    EXPECT_FALSE(p.is_connected());

    nlohmann::json result;
    const QvStatus st = p.request("ping", nlohmann::json::object(), result);
    EXPECT_EQ(st.code(), QvStatus::ConnectionLost);
    EXPECT_NE(st.text().find("Connection to localhost:" + std::to_string(peer.port()) + " lost"), std::string::npos)
        << st.text();
    p.dispatch_events(0.05);
    EXPECT_EQ(counter.calls, 1);
}

TEST(ConnectionFailure, CancelledLoginFailsWithClearText)
{
    FakePeer peer(FakePeer::Behaviour::GreetRequiringLogin);
    RefusingPrompt prompt;
    Platform p;
    p.set_port(peer.port());
    EXPECT_EQ(p.connect("localhost", "test", 5.0), 0);
    EXPECT_EQ(p.get_error_string().str(), "Login cancelled");
    EXPECT_EQ(prompt.proposed, p.user_name());
    EXPECT_FALSE(prompt.proposed.empty());
}

TEST(ConnectionFailure, RequestWithoutConnectionFails)
{
    Platform p;
    nlohmann::json result;
    const QvStatus st = p.request("ping", nlohmann::json::object(), result);
    EXPECT_FALSE(st);
    EXPECT_EQ(st.text(), "Not connected to the server");
    std::ostringstream os;
    os << st;
    EXPECT_EQ(os.str(), "Not connected to the server");
}

// How the client library fails when the server does not behave: every
// failure is a false result with a text a user can act on, and nothing hangs
// past its time-out.
#include <gtest/gtest.h>

#include "FakePeer.hpp"
#include "platform/Platform.hpp"
#include "platform/QvTopoNode.hpp"
#include "support/TestServer.hpp"

namespace {

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

TEST(ConnectionFailure, NoServerAtTheAddressIsNamed)
{
    const int port = qv::test::unused_port();
    Platform refused;
    refused.set_port(port);
    EXPECT_EQ(refused.connect("localhost", "test"), 0);
    EXPECT_EQ(refused.get_error_string().str(), "Connection to localhost:" + std::to_string(port) + " refused");
    EXPECT_EQ(refused.get_error_type(), Error::Connection);
    EXPECT_FALSE(refused.is_connected());
    // The port comes from QV_PORT unless set.
    setenv("QV_PORT", std::to_string(port).c_str(), 1);
    Platform from_env;
    EXPECT_EQ(from_env.connect("localhost", "test"), 0);
    unsetenv("QV_PORT");
    EXPECT_NE(from_env.get_error_string().str().find(":" + std::to_string(port) + " "), std::string::npos);
    Platform unknown;
    EXPECT_EQ(unknown.connect("no-such-host.invalid", "test"), 0);
    EXPECT_NE(unknown.get_error_string().str().find("no-such-host.invalid"), std::string::npos);
}

TEST(ConnectionFailure, SilentServerTimesOutDuringHandshake)
{
    FakePeer peer;
    Platform p;
    p.set_port(peer.port());
    EXPECT_EQ(p.connect("localhost", "test", 0.3), 0);
    EXPECT_EQ(p.get_error_string().str(), "Timed out after 0.3 s waiting for the server");
    EXPECT_EQ(p.get_error_type(), Error::Timeout);
}

TEST(ConnectionFailure, SomethingElseThanAQvServerIsRecognised)
{
    FakePeer peer({}, "HTTP/1.1 400 Bad Request\r\n\r\n");
    Platform p;
    p.set_port(peer.port());
    EXPECT_EQ(p.connect("localhost", "test", 5.0), 0);
    EXPECT_NE(p.get_error_string().str().find("does not speak the qv protocol"), std::string::npos)
        << p.get_error_string().str();
}

TEST(ConnectionFailure, CancelledLoginFailsWithClearText)
{
    FakePeer peer({R"({"type": "hello", "protocol": 1, "system": "fakesys", "login": "required"})"});
    RefusingPrompt prompt;
    Platform p;
    p.set_port(peer.port());
    EXPECT_EQ(p.connect("localhost", "test", 5.0), 0);
    EXPECT_EQ(p.get_error_string().str(), "Login cancelled");
    EXPECT_EQ(prompt.proposed, p.user_name());
    EXPECT_FALSE(prompt.proposed.empty());
}

TEST(ConnectionFailure, CallsWithoutAConnectionFailAndSayWhy)
{
    Platform p;
    nlohmann::json result;
    const QvStatus st = p.request("ping", nlohmann::json::object(), result);
    EXPECT_FALSE(st);
    EXPECT_EQ(st.text(), "Not connected to the server");
    QvTopoNode node(nullptr);
    node.set_name("router1");
    EXPECT_EQ(node.create_with_all_attributes().code(), QvStatus::NotConnected);
}

// Sessions with the real qv_server: login and rights as the library reports
// them, the end of the connection, time-outs. What the server stores across
// a restart or a crash is tested in tests/server/DurabilityTest.cpp.
#include <csignal>
#include <gtest/gtest.h>

#include "EventWait.hpp"
#include "ServerClient.hpp"

namespace {

class SecuredSession : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<qv::test::TestServer>(qv::test::fixture_options(true)); }
    static void TearDownTestSuite() { server_.reset(); }

    static std::unique_ptr<Platform> login(const std::string& user, const std::string& password,
                                           std::string* proposed = nullptr)
    {
        FixedLogin prompt(user, password);
        auto p = std::make_unique<Platform>();
        p->set_port(server_->port());
        p->connect("localhost", "qv_tolvar", 30.0);
        if (proposed)
            *proposed = prompt.proposed;
        return p;
    }

    static inline std::unique_ptr<qv::test::TestServer> server_;
};

}  // namespace

TEST_F(SecuredSession, LoginProposesTheLoginNameAndTheRightsAreTheUsers)
{
    std::string proposed;
    auto p = login("viewer", "viewer", &proposed);
    ASSERT_TRUE(p->is_connected()) << p->get_error_string().str();
    EXPECT_FALSE(proposed.empty());
    EXPECT_EQ(p->user_name(), "viewer");
    AuthFeatures features;
    ASSERT_EQ(p->get_authorized_features(features, nullptr, nullptr), 1);
    AuthPriv priv(features);
    EXPECT_EQ(priv.is_authorized("RunObjectProperties"), 1);
    EXPECT_EQ(priv.is_authorized("CreateObjects"), 0);

    // A user without the right to run the tool is told which right it lacks.
    auto norun = login("norun", "norun");
    ASSERT_TRUE(norun->is_connected());
    EXPECT_EQ(norun->get_authorized_features(features, nullptr, nullptr), 0);
    EXPECT_NE(norun->get_error_string().str().find("RunObjectProperties"), std::string::npos)
        << norun->get_error_string().str();
}

TEST(SessionServer, ARestartIsToldOnceAndLaterCallsSayTheConnectionIsLost)
{
    qv::test::TestServer server(qv::test::fixture_options());
    auto p = ServerClient::connect(server);
    SeenEvents seen;
    p->when("DISCONNECTED", seen.callback());
    server.restart();
    EXPECT_TRUE(dispatch_until(*p, [&] { return !seen.events.empty(); }));
    p->dispatch_events(0.2);
    EXPECT_EQ(seen.events, std::vector<std::string>{"DISCONNECTED "});
    EXPECT_FALSE(p->is_connected());
    nlohmann::json r;
    const QvStatus st = p->request("ping", nlohmann::json::object(), r);
    EXPECT_EQ(st.code(), QvStatus::ConnectionLost);
    EXPECT_NE(st.text().find("Connection to localhost:" + std::to_string(server.port()) + " lost"), std::string::npos)
        << st.text();
}

TEST(SessionServer, StoppedServerTimesOutAndLateReplyIsDropped)
{
    qv::test::TestServer server(qv::test::fixture_options());
    auto p = ServerClient::connect(server);
    ASSERT_GT(server.pid(), 0);
    kill(server.pid(), SIGSTOP);
    nlohmann::json r;
    const QvStatus st = p->request("get", {{"dn", ServerClient::node(server, 10)}}, r, 0.5);
    kill(server.pid(), SIGCONT);
    EXPECT_EQ(st.code(), QvStatus::TimedOut);
    EXPECT_EQ(st.text(), "Timed out after 0.5 s waiting for the server");
    EXPECT_EQ(p->get_error_type(), Error::Timeout);
    // The next call gets its own reply, not the late one.
    ASSERT_TRUE(p->request("get", {{"dn", ServerClient::node(server, 11)}}, r));
    EXPECT_EQ(r.value("attrs", nlohmann::json::object()).value("name", ""), "fx-switch");
}

// Sessions with the real qv_server: login and rights, refusals, what
// survives a restart or a crash, time-outs and the end of the connection.
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

#include "EventWait.hpp"
#include "ServerClient.hpp"
#include "platform/QvTopoNode.hpp"

namespace {

struct Counter {
    static void count(void* data, void*) { ++*static_cast<int*>(data); }
};

std::unique_ptr<Platform> login(const qv::test::TestServer& server, const std::string& user,
                                const std::string& password, const std::string& application = "qv_tolvar")
{
    FixedLogin prompt(user, password);
    auto p = std::make_unique<Platform>();
    p->set_port(server.port());
    p->connect("localhost", application, 30.0);
    return p;
}

// Creates a Host below node 3; its DN, or "" when refused.
std::string create_host(Platform& platform, const std::string& system, const std::string& name)
{
    QvTopoNode node(&platform);
    node.set_name(name);
    node.set_type_name("Host");
    node.set_parents({QvTopoNodeDn(system, 3)});
    return node.create_with_all_attributes() ? node.get_dn().to_string() : "";
}

}  // namespace

TEST(SessionServer, LoginProposesTheLoginNameAndUsesTheGivenUser)
{
    qv::test::TestServer server(ServerClient::fixture(true));
    FixedLogin prompt("viewer", "viewer");
    Platform p;
    p.set_port(server.port());
    ASSERT_EQ(p.connect("localhost", "qv_tolvar"), 1) << p.get_error_string().str();
    EXPECT_FALSE(prompt.proposed.empty());
    EXPECT_EQ(p.user_name(), "viewer");

    AuthFeatures features;
    ASSERT_EQ(p.get_authorized_features(features, nullptr, nullptr), 1);
    AuthPriv priv(features);
    EXPECT_EQ(priv.is_authorized("RunObjectProperties"), 1);
    EXPECT_EQ(priv.is_authorized("CreateObjects"), 0);
}

TEST(SessionServer, WrongPasswordIsRefusedWithTheServersText)
{
    qv::test::TestServer server(ServerClient::fixture(true));
    auto p = login(server, "admin", "not-the-password");
    EXPECT_FALSE(p->is_connected());
    EXPECT_EQ(p->get_error_string().str(), "Login incorrect");
}

TEST(SessionServer, UserWithoutTheRightToRunTheToolIsRefused)
{
    qv::test::TestServer server(ServerClient::fixture(true));
    auto p = login(server, "norun", "norun");
    ASSERT_TRUE(p->is_connected());
    AuthFeatures features;
    EXPECT_EQ(p->get_authorized_features(features, nullptr, nullptr), 0);
    EXPECT_NE(p->get_error_string().str().find("RunObjectProperties"), std::string::npos)
        << p->get_error_string().str();
}

TEST(SessionServer, RightRefusedByTheServerChangesNothing)
{
    qv::test::TestServer server(ServerClient::fixture(true));
    auto p = login(server, "nocoord", "nocoord");
    QvTopoNode node(p.get());
    node.set_dn(QvTopoNodeDn(server.system_name(), 10));
    ASSERT_TRUE(node.load_all_attributes());
    node.set_geographical_location({1.0, 2.0}, 0);
    node.set_name("renamed-router");
    const QvStatus st = node.store_all_attributes();
    EXPECT_EQ(st.code(), QvStatus::NotAuthorized);
    EXPECT_NE(st.text().find("ModifyCoordinates"), std::string::npos) << st.text();
    QvTopoNode back(p.get());
    back.set_dn(QvTopoNodeDn(server.system_name(), 10));
    back.load_all_attributes();
    RWCString name;
    back.get_name(name);
    EXPECT_EQ(name, "fx-router");
}

TEST(SessionServer, DataIsKeptAcrossARestartAndTheOldClientIsToldOnce)
{
    qv::test::TestServer server(ServerClient::fixture());
    auto p = ServerClient::connect(server);
    int disconnections = 0;
    p->when("DISCONNECTED", Callback(&Counter::count, &disconnections));
    const std::string dn = create_host(*p, server.system_name(), "survivor");
    ASSERT_FALSE(dn.empty());

    server.restart();
    EXPECT_TRUE(dispatch_until(*p, [&] { return disconnections > 0; }));
    p->dispatch_events(0.2);
    EXPECT_EQ(disconnections, 1);
    nlohmann::json r;
    EXPECT_EQ(p->request("ping", nlohmann::json::object(), r).code(), QvStatus::ConnectionLost);

    auto again = ServerClient::connect(server);
    QvTopoNode node(again.get());
    node.set_dn(QvTopoNodeDn::from_string(dn));
    ASSERT_TRUE(node.load_all_attributes());
    RWCString name;
    node.get_name(name);
    EXPECT_EQ(name, "survivor");
}

TEST(SessionServer, EveryAcknowledgedWriteSurvivesAKill)
{
    qv::test::TestServer server(ServerClient::fixture());
    std::vector<std::string> acknowledged;
    std::atomic<int> count{0};
    std::thread writer([&] {
        Platform p;
        p.set_port(server.port());
        if (!p.connect("localhost", "writer", 30.0))
            return;
        for (int i = 0; i < 100000; ++i) {
            const std::string dn = create_host(p, server.system_name(), "stream-" + std::to_string(i));
            if (dn.empty())
                return;  // the server is gone
            acknowledged.push_back(dn);
            ++count;
        }
    });
    while (count < 50)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    server.kill9();
    writer.join();
    ASSERT_GE(acknowledged.size(), 50u);

    server.restart();
    auto p = ServerClient::connect(server);
    for (const std::string& dn : acknowledged) {
        QvTopoNode node(p.get());
        node.set_dn(QvTopoNodeDn::from_string(dn));
        ASSERT_TRUE(node.exists()) << dn << " was acknowledged but is lost";
    }
}

TEST(SessionServer, StoppedServerTimesOutAndLateReplyIsDropped)
{
    qv::test::TestServer server(ServerClient::fixture());
    auto p = ServerClient::connect(server);
    const int pid = ServerClient::server_pid(server);
    ASSERT_GT(pid, 0);
    kill(pid, SIGSTOP);
    nlohmann::json r;
    const QvStatus st = p->request("get", {{"dn", ServerClient::node(server, 10)}}, r, 0.5);
    kill(pid, SIGCONT);
    EXPECT_EQ(st.code(), QvStatus::TimedOut);
    EXPECT_EQ(st.text(), "Timed out after 0.5 s waiting for the server");
    EXPECT_EQ(p->get_error_type(), Error::Timeout);
    // The next call gets its own reply, not the late one.
    ASSERT_TRUE(p->request("get", {{"dn", ServerClient::node(server, 11)}}, r));
    EXPECT_EQ(r.value("attrs", nlohmann::json::object()).value("name", ""), "fx-switch");
}

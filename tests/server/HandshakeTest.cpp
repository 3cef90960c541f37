// The hello, and what the server does with frames it cannot use: an error
// reply or a closed connection, never a crash or a hang.
#include <gtest/gtest.h>

#include "RawClient.hpp"
#include "SharedServerSuite.hpp"
#include "support/TestServer.hpp"

using nlohmann::json;
using qv::test::RawClient;
using qv::test::ServerOptions;
using qv::test::TestServer;

namespace {

class Handshake : public qv::test::SharedServerSuite<Handshake> {
public:
    static ServerOptions options()
    {
        ServerOptions result;
        result.system_name = "hs";
        result.extra_args = {"--max-frame", "4096"};
        return result;
    }

protected:
    // After each test the server still answers a new client.
    void TearDown() override
    {
        ASSERT_TRUE(server_->is_running()) << server_->log();
        RawClient probe(server_->port());
        EXPECT_EQ(probe.hello()["type"], "hello");
        EXPECT_EQ(probe.request("ping")["ok"], true);
    }
};

std::string frame_of_length(std::uint32_t n)
{
    std::string h(4, '\0');
    h[0] = static_cast<char>(n >> 24);
    h[1] = static_cast<char>(n >> 16);
    h[2] = static_cast<char>(n >> 8);
    h[3] = static_cast<char>(n);
    return h;
}

}  // namespace

TEST_F(Handshake, HelloTellsSystemVersionAndLoginMode)
{
    RawClient c(server_->port());
    const json hello = c.hello("qv_tolvar", "jdoe");
    EXPECT_EQ(hello["type"], "hello");
    EXPECT_EQ(hello["protocol"], 1);
    EXPECT_EQ(hello["system"], "hs");
    EXPECT_EQ(hello["login"], "none");
    EXPECT_EQ(hello["server"], "qv_server 4.0");
    EXPECT_EQ(hello["idle_timeout"], 28800);
    // Open mode: the proposed user holds every right.
    const json rights = c.ok("rights");
    EXPECT_EQ(rights["user"], "jdoe");
    EXPECT_EQ(rights["rights"].size(), 7u);
}

TEST_F(Handshake, OtherProtocolVersionIsRefusedAndClosed)
{
    RawClient c(server_->port());
    const json answer = c.hello("qv_test", "u", 2);
    EXPECT_EQ(answer["type"], "error");
    EXPECT_EQ(answer["code"], 1);
    EXPECT_EQ(answer["error"], "unsupported protocol version 2; this server speaks 1");
    EXPECT_TRUE(c.closed_by_server());
}

TEST_F(Handshake, RequestBeforeHelloIsRefusedAndClosed)
{
    RawClient c(server_->port());
    c.send(json{{"id", 1}, {"op", "ping"}});
    auto answer = c.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["type"], "error");
    EXPECT_TRUE(c.closed_by_server());
}

TEST_F(Handshake, MalformedJsonGetsErrorIdZeroAndClose)
{
    RawClient c(server_->port());
    c.hello();
    c.send_bytes(qv::proto::encode_frame(std::string_view("{\"id\": 1, \"op\": ")));
    auto answer = c.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["id"], 0);
    EXPECT_EQ((*answer)["ok"], false);
    EXPECT_EQ((*answer)["code"], 1);
    EXPECT_TRUE(c.closed_by_server());
}

TEST_F(Handshake, JsonThatIsNoObjectIsRefused)
{
    RawClient c(server_->port());
    c.hello();
    c.send_bytes(qv::proto::encode_frame(std::string_view("[1, 2, 3]")));
    auto answer = c.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["code"], 1);
    EXPECT_NE((*answer)["error"].get<std::string>().find("not a JSON object"), std::string::npos);
    EXPECT_TRUE(c.closed_by_server());
}

TEST_F(Handshake, DeeplyNestedJsonIsRefused)
{
    RawClient c(server_->port());
    c.hello();
    const std::string deep = "{\"id\":1,\"op\":\"ping\",\"x\":" + std::string(2000, '[') + std::string(2000, ']') + "}";
    c.send_bytes(qv::proto::encode_frame(std::string_view(deep)));
    auto answer = c.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["code"], 1);
    EXPECT_NE((*answer)["error"].get<std::string>().find("nested"), std::string::npos);
    EXPECT_TRUE(c.closed_by_server());
}

TEST_F(Handshake, OversizedFrameIsRefusedBeforeItsBodyIsRead)
{
    RawClient c(server_->port());
    c.hello();
    // Only the header: the server must not wait for 5000 bytes that never come.
    c.send_bytes(frame_of_length(5000));
    auto answer = c.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["id"], 0);
    EXPECT_EQ((*answer)["code"], 1);
    EXPECT_NE((*answer)["error"].get<std::string>().find("exceeds the limit"), std::string::npos);
    EXPECT_TRUE(c.closed_by_server());
}

TEST_F(Handshake, ZeroLengthFrameIsRefused)
{
    RawClient c(server_->port());
    c.hello();
    c.send_bytes(frame_of_length(0));
    auto answer = c.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["code"], 1);
    EXPECT_TRUE(c.closed_by_server());
}

TEST_F(Handshake, RequestWithoutIdOrOpIsAnErrorButTheConnectionStays)
{
    RawClient c(server_->port());
    c.hello();
    c.send(json{{"op", "ping"}});
    auto answer = c.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["id"], 0);
    EXPECT_EQ((*answer)["code"], 1);
    c.send(json{{"id", 7}, {"op", 12}});
    answer = c.receive();
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)["id"], 7);
    EXPECT_EQ((*answer)["code"], 1);
    EXPECT_EQ(c.request("ping")["ok"], true);
}

TEST_F(Handshake, UnknownOperationIsCodeTwo)
{
    RawClient c(server_->port());
    c.hello();
    const json reply = c.request("frobnicate");
    EXPECT_EQ(reply["ok"], false);
    EXPECT_EQ(reply["code"], 2);
    EXPECT_EQ(reply["error"], "unknown operation \"frobnicate\"");
}

TEST_F(Handshake, MistypedParametersAreCodeOne)
{
    RawClient c(server_->port());
    c.hello();
    EXPECT_EQ(c.request("get")["code"], 1);
    EXPECT_EQ(c.request("get", {{"dn", 12}})["code"], 9);
    EXPECT_EQ(c.request("set", {{"dn", "/systemId=name:\"hs\""}, {"attrs", "x"}})["code"], 1);
    EXPECT_EQ(c.request("derive", {{"derivation", "/systemId=name:\"hs\""}, {"album", 1}})["code"], 1);
    EXPECT_EQ(c.request("get", {{"dn", "/systemId=name:\"open"}})["code"], 9);
}

TEST_F(Handshake, RepliesComeInRequestOrder)
{
    RawClient c(server_->port());
    c.hello();
    std::string burst;
    for (int id = 1; id <= 50; ++id)
        burst += qv::proto::encode_frame(json{{"id", id}, {"op", id % 2 ? "ping" : "topo.system_names"}});
    c.send_bytes(burst);
    for (int id = 1; id <= 50; ++id) {
        auto reply = c.receive();
        ASSERT_TRUE(reply);
        EXPECT_EQ((*reply)["id"], id);
    }
}

TEST_F(Handshake, GarbageBytesNeverBringTheServerDown)
{
    for (int round = 0; round < 5; ++round) {
        RawClient c(server_->port());
        std::string junk;
        for (int i = 0; i < 300; ++i)
            junk.push_back(static_cast<char>((i * 7919 + round * 104729) & 0xff));
        c.send_bytes(junk);
        EXPECT_TRUE(c.closed_by_server());
    }
}

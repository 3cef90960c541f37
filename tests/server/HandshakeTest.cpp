// The hello, and what the server does with frames it cannot use: an error
// reply or a closed connection, never a crash or a hang.
#include <gtest/gtest.h>

#include "RawClient.hpp"
#include "SharedServerSuite.hpp"
#include "support/TestServer.hpp"

using nlohmann::json;
using qv::test::RawClient;
using qv::test::ServerOptions;

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
        EXPECT_EQ(greeted()->request("ping")["ok"], true);
    }
};

std::string header(std::uint32_t n)
{
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8), static_cast<char>(n)};
}

std::string frame(const std::string& body) { return qv::proto::encode_frame(std::string_view(body)); }

}  // namespace

TEST_F(Handshake, HelloTellsSystemVersionAndLoginMode)
{
    RawClient c(server_->port());
    const json hello = c.hello("qv_tolvar", "jdoe");
    const json expected = {{"type", "hello"}, {"protocol", 1}, {"system", "hs"}, {"login", "none"},
                           {"server", "qv_server 4.0"}, {"idle_timeout", 28800}};
    for (const auto& [key, value] : expected.items())
        EXPECT_EQ(hello[key], value) << key;
    // Open mode: the proposed user holds every right.
    const json rights = c.ok("rights");
    EXPECT_EQ(rights["user"], "jdoe");
    EXPECT_EQ(rights["rights"].size(), 7u);
}

TEST_F(Handshake, AnotherProtocolVersionOrNoHelloIsRefusedAndClosed)
{
    RawClient other(server_->port());
    const json answer = other.hello("qv_test", "u", 2);
    EXPECT_EQ(answer["type"], "error");
    EXPECT_EQ(answer["code"], 1);
    EXPECT_EQ(answer["error"], "unsupported protocol version 2; this server speaks 1");
    EXPECT_TRUE(other.closed_by_server());

    RawClient rude(server_->port());
    rude.send(json{{"id", 1}, {"op", "ping"}});
    auto refusal = rude.receive();
    ASSERT_TRUE(refusal);
    EXPECT_EQ((*refusal)["type"], "error");
    EXPECT_TRUE(rude.closed_by_server());
}

TEST_F(Handshake, ABrokenFrameGetsAnErrorWithIdZeroAndTheConnectionClosed)
{
    const struct {
        std::string what, bytes, says;
    } cases[] = {
        {"malformed JSON", frame("{\"id\": 1, \"op\": "), "not valid JSON"},
        {"not an object", frame("[1, 2, 3]"), "not a JSON object"},
        {"deep nesting", frame("{\"id\":1,\"op\":\"ping\",\"x\":" + std::string(2000, '[') + std::string(2000, ']') + "}"),
         "nested"},
        // Only the header: the server must not wait for 4097 bytes that never come.
        {"oversized", header(4097), "exceeds the limit"},
        {"zero length", header(0), "empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto client = greeted();
        client->send_bytes(c.bytes);
        auto answer = client->receive();
        ASSERT_TRUE(answer);
        EXPECT_EQ(json({(*answer)["id"], (*answer)["ok"], (*answer)["code"]}), json({0, false, 1}));
        EXPECT_NE((*answer)["error"].get<std::string>().find(c.says), std::string::npos) << answer->dump();
        EXPECT_TRUE(client->closed_by_server());
    }
    // A frame at the limit is served.
    json ping = {{"id", 1}, {"op", "ping"}, {"pad", ""}};
    ping["pad"] = std::string(4096 - ping.dump().size(), ' ');
    auto edge = greeted();
    edge->send(ping);
    EXPECT_EQ(edge->receive().value_or(json())["ok"], true);
    // Bytes that are no protocol at all, before any hello.
    for (int round = 0; round < 5; ++round) {
        RawClient junk(server_->port());
        std::string bytes;
        for (int i = 0; i < 300; ++i)
            bytes.push_back(static_cast<char>((i * 7919 + round * 104729) & 0xff));
        junk.send_bytes(bytes);
        EXPECT_TRUE(junk.closed_by_server());
    }
}

TEST_F(Handshake, ABadRequestIsAnErrorReplyAndTheConnectionStays)
{
    const struct {
        json request;
        int id, code;
        std::string says;
    } cases[] = {
        {{{"op", "ping"}}, 0, 1, ""},
        {{{"id", 7}, {"op", 12}}, 7, 1, ""},
        {{{"id", 8}, {"op", "frobnicate"}}, 8, 2, "unknown operation \"frobnicate\""},
        {{{"id", 9}, {"op", "get"}}, 9, 1, ""},
        {{{"id", 10}, {"op", "get"}, {"dn", 12}}, 10, 9, ""},
        {{{"id", 11}, {"op", "get"}, {"dn", "/systemId=name:\"open"}}, 11, 9, ""},
        {{{"id", 12}, {"op", "set"}, {"dn", "/systemId=name:\"hs\""}, {"attrs", "x"}}, 12, 1, ""},
        {{{"id", 13}, {"op", "derive"}, {"derivation", "/systemId=name:\"hs\""}, {"album", 1}}, 13, 1, ""},
    };
    RawClient c(server_->port());
    c.hello();
    for (const auto& bad : cases) {
        c.send(bad.request);
        auto answer = c.receive();
        ASSERT_TRUE(answer) << bad.request.dump();
        EXPECT_EQ(json({(*answer)["ok"], (*answer)["id"], (*answer)["code"]}), json({false, bad.id, bad.code}))
            << bad.request.dump();
        EXPECT_TRUE(bad.says.empty() || (*answer)["error"] == bad.says) << answer->dump();
    }
    EXPECT_EQ(c.request("ping")["ok"], true);
}

// The frame decoder: whatever pieces the socket delivers, whole frames come
// out; an oversized length breaks the stream before its body arrives. What
// the server answers to bad frames and bodies (zero length, malformed JSON,
// no object, deep nesting) is tested through qv_server in HandshakeTest.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "protocol/Frame.hpp"

using qv::proto::FrameDecoder;
using qv::proto::encode_frame;

TEST(Frame, EncodeWritesTheBigEndianLengthAndRefusesWhatCannotBeSent)
{
    EXPECT_EQ(encode_frame(std::string_view("{\"a\":1}")), std::string("\0\0\0\7{\"a\":1}", 11));
    EXPECT_EQ(encode_frame(std::string_view("")), "");
    EXPECT_EQ(encode_frame(std::string_view("12345"), 4), "");
    // JSON holding invalid UTF-8 is still sent, as a string.
    const std::string odd = encode_frame(nlohmann::json{{"name", std::string("a\xff" "b")}});
    auto back = qv::proto::parse_body(std::string_view(odd).substr(4));
    ASSERT_TRUE(back);
    EXPECT_TRUE((*back)["name"].is_string());
}

TEST(Frame, DecoderYieldsEachFrameInOrderOnlyOnceItIsWhole)
{
    auto frame = [](int id) { return encode_frame(nlohmann::json{{"id", id}}); };
    const std::string first = frame(1);
    FrameDecoder d;
    for (std::size_t i = 0; i + 1 < first.size(); ++i) {
        d.feed(first.substr(i, 1));
        EXPECT_FALSE(d.next()) << "after " << i + 1 << " bytes";
    }
    // The last byte, two more frames and the start of a fourth in one feed.
    d.feed(first.substr(first.size() - 1) + frame(2) + frame(3) + frame(4).substr(0, 6));
    for (int id = 1; id <= 3; ++id) {
        auto body = d.next();
        ASSERT_TRUE(body);
        EXPECT_EQ(nlohmann::json::parse(*body)["id"], id);
    }
    EXPECT_FALSE(d.next());
    d.feed(frame(4).substr(6));
    auto fourth = d.next();
    ASSERT_TRUE(fourth);
    EXPECT_EQ(nlohmann::json::parse(*fourth)["id"], 4);
    EXPECT_EQ(d.buffered(), 0u);
    EXPECT_FALSE(d.failed());
}

TEST(Frame, OversizedLengthFailsBeforeTheBodyArrives)
{
    FrameDecoder d(1024);
    d.feed(std::string("\0\0\x04\x01", 4));  // 1025
    EXPECT_FALSE(d.next());
    EXPECT_TRUE(d.failed());
    EXPECT_NE(d.error().find("1025"), std::string::npos);
    EXPECT_EQ(d.buffered(), 0u);

    FrameDecoder at_limit(1024);
    at_limit.feed(encode_frame(std::string_view(std::string(1024, ' ')), 1024));
    EXPECT_TRUE(at_limit.next());
    EXPECT_FALSE(at_limit.failed());

    FrameDecoder hostile;  // the default limit
    hostile.feed(std::string("\xff\xff\xff\xff", 4));
    EXPECT_FALSE(hostile.next());
    EXPECT_TRUE(hostile.failed());
}

TEST(Frame, NestingLimitCountsOnlyRealBrackets)
{
    std::string why;
    const std::string ok = "{\"a\":" + std::string(100, '[') + std::string(100, ']') + "}";
    EXPECT_TRUE(qv::proto::parse_body(ok, &why)) << why;
    const std::string deep = "{\"a\":" + std::string(100000, '[') + std::string(100000, ']') + "}";
    EXPECT_FALSE(qv::proto::parse_body(deep, &why));
    EXPECT_NE(why.find("nested"), std::string::npos);
    const std::string quoted = "{\"a\":\"" + std::string(1000, '[') + "\"}";
    EXPECT_TRUE(qv::proto::parse_body(quoted, &why)) << why;
}

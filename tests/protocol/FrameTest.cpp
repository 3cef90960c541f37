// The frame decoder: whatever pieces the socket delivers, whole frames come
// out; a zero or oversized length breaks the stream for good.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "protocol/Frame.hpp"

using qv::proto::FrameDecoder;
using qv::proto::encode_frame;

TEST(FrameEncode, HeaderIsTheBigEndianLength)
{
    const std::string frame = encode_frame(std::string_view("{\"a\":1}"));
    ASSERT_EQ(frame.size(), 4u + 7u);
    EXPECT_EQ(frame.substr(0, 4), std::string("\0\0\0\7", 4));
    EXPECT_EQ(frame.substr(4), "{\"a\":1}");
    EXPECT_EQ(encode_frame(std::string_view("")), "");
    EXPECT_EQ(encode_frame(std::string_view("12345"), 4), "");
}

TEST(FrameEncode, JsonWithInvalidUtf8IsStillEncoded)
{
    const nlohmann::json body{{"name", std::string("a\xff" "b")}};
    const std::string frame = encode_frame(body);
    ASSERT_FALSE(frame.empty());
    auto back = qv::proto::parse_body(std::string_view(frame).substr(4));
    ASSERT_TRUE(back);
    EXPECT_TRUE((*back)["name"].is_string());
}

TEST(FrameDecode, SplitFeedsYieldTheFrameOnlyWhenComplete)
{
    const std::string frame = encode_frame(std::string_view("{\"op\":\"ping\"}"));
    FrameDecoder d;
    for (std::size_t i = 0; i + 1 < frame.size(); ++i) {
        d.feed(frame.substr(i, 1));
        EXPECT_FALSE(d.next()) << "after " << i + 1 << " bytes";
    }
    d.feed(frame.substr(frame.size() - 1));
    auto body = d.next();
    ASSERT_TRUE(body);
    EXPECT_EQ(*body, "{\"op\":\"ping\"}");
    EXPECT_FALSE(d.next());
    EXPECT_EQ(d.buffered(), 0u);
    EXPECT_FALSE(d.failed());
}

TEST(FrameDecode, SeveralFramesInOneFeedComeOutInOrder)
{
    std::string stream;
    for (int i = 1; i <= 3; ++i)
        stream += encode_frame(nlohmann::json{{"id", i}});
    const std::string next = encode_frame(nlohmann::json{{"id", 4}});
    stream += next.substr(0, 6);  // and the start of a fourth
    FrameDecoder d;
    d.feed(stream);
    for (int i = 1; i <= 3; ++i) {
        auto body = d.next();
        ASSERT_TRUE(body);
        EXPECT_EQ(nlohmann::json::parse(*body)["id"], i);
    }
    EXPECT_FALSE(d.next());
    d.feed(next.substr(6));
    auto fourth = d.next();
    ASSERT_TRUE(fourth);
    EXPECT_EQ(nlohmann::json::parse(*fourth)["id"], 4);
}

TEST(FrameDecode, ZeroLengthBreaksTheStream)
{
    FrameDecoder d;
    d.feed(std::string("\0\0\0\0", 4) + encode_frame(std::string_view("{}")));
    EXPECT_FALSE(d.next());
    EXPECT_TRUE(d.failed());
    EXPECT_NE(d.error().find("empty"), std::string::npos);
    // Nothing after the bad header is trusted, even a good frame.
    d.feed(encode_frame(std::string_view("{}")));
    EXPECT_FALSE(d.next());
}

TEST(FrameDecode, OversizedLengthFailsBeforeTheBodyArrives)
{
    FrameDecoder d(1024);
    d.feed(std::string("\0\0\x04\x01", 4));  // 1025
    EXPECT_FALSE(d.next());
    EXPECT_TRUE(d.failed());
    EXPECT_NE(d.error().find("1025"), std::string::npos);
    EXPECT_EQ(d.buffered(), 0u);

    FrameDecoder at_limit(1024);
    const std::string body(1024, ' ');
    at_limit.feed(encode_frame(std::string_view(body), 1024));
    EXPECT_TRUE(at_limit.next());
    EXPECT_FALSE(at_limit.failed());

    FrameDecoder hostile;  // the default limit
    hostile.feed(std::string("\xff\xff\xff\xff", 4));
    EXPECT_FALSE(hostile.next());
    EXPECT_TRUE(hostile.failed());
}

TEST(FrameBody, OnlyJsonObjectsAreMessages)
{
    std::string why;
    EXPECT_TRUE(qv::proto::parse_body("{\"id\":1}", &why));
    EXPECT_FALSE(qv::proto::parse_body("[1,2]", &why));
    EXPECT_NE(why.find("not a JSON object"), std::string::npos);
    EXPECT_FALSE(qv::proto::parse_body("{\"id\":", &why));
    EXPECT_NE(why.find("not valid JSON"), std::string::npos);
}

TEST(FrameBody, DeepNestingIsRefusedBeforeParsing)
{
    std::string why;
    const std::string ok = "{\"a\":" + std::string(100, '[') + std::string(100, ']') + "}";
    EXPECT_TRUE(qv::proto::parse_body(ok, &why)) << why;
    const std::string deep = "{\"a\":" + std::string(100000, '[') + std::string(100000, ']') + "}";
    EXPECT_FALSE(qv::proto::parse_body(deep, &why));
    EXPECT_NE(why.find("nested"), std::string::npos);
    // Brackets inside strings are text.
    const std::string quoted = "{\"a\":\"" + std::string(1000, '[') + "\"}";
    EXPECT_TRUE(qv::proto::parse_body(quoted, &why)) << why;
}

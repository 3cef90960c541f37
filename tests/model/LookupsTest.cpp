#include <gtest/gtest.h>

#include "model/Lookups.hpp"

TEST(GetNodeId, NumberAloneUsesTheConnectedServer)
{
    RWCString id = "12";
    EXPECT_EQ(get_node_id(id, "vm"), 12);
    EXPECT_EQ(id, "vm");
}

TEST(GetNodeId, SystemAndNumber)
{
    RWCString id = "paris:7";
    EXPECT_EQ(get_node_id(id, "vm"), 7);
    EXPECT_EQ(id, "paris");
}

TEST(GetNodeId, UnreadableIdsGiveMinusOne)
{
    RWCString a = "paris:";
    EXPECT_EQ(get_node_id(a, "vm"), -1);
    EXPECT_EQ(a, "paris");
    RWCString b = "abc";
    EXPECT_EQ(get_node_id(b, "vm"), -1);
    RWCString c;
    EXPECT_EQ(get_node_id(c, "vm"), -1);
    EXPECT_EQ(c, "vm");
}

TEST(GetNodeId, TrailingCharactersAreIgnored)
{
    RWCString id = "12abc";
    EXPECT_EQ(get_node_id(id, "vm"), 12);
}

TEST(IsBlank, OnlyNumbersCountAsFilled)
{
    EXPECT_EQ(is_blank(""), 1);
    EXPECT_EQ(is_blank("   "), 1);
    EXPECT_EQ(is_blank(" . "), 1);
    EXPECT_EQ(is_blank("-10"), 1);
    EXPECT_EQ(is_blank("12a"), 1);
    EXPECT_EQ(is_blank(" 12.5 "), 0);
}

TEST(Itoa, SharesOneBuffer)
{
    char* first = itoa(42);
    EXPECT_STREQ(first, "42");
    char* second = itoa(-7);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "-7");
}

TEST(GetErrorStr, CutsLongTextsTo199Characters)
{
    EXPECT_EQ(get_error_str(QvStatus::failure(3, "no such object")), "no such object");
    EXPECT_EQ(get_error_str(QvStatus::failure(3, std::string(500, 'x'))).size(), 199u);
}

TEST(GetAddress, EmptyAndUnknownHostsGiveNothing)
{
    EXPECT_EQ(get_address(""), "");
    EXPECT_EQ(get_address("no-such-host.invalid"), "");
    EXPECT_EQ(is_valid_host("no-such-host.invalid"), 0);
    EXPECT_EQ(get_address("localhost"), "127.0.0.1");
    EXPECT_EQ(is_valid_host("localhost"), 1);
}

TEST(GetLocation, ReadsThreeIntegers)
{
    const auto p = get_location("10:-20:3");
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, -20);
    EXPECT_EQ(p.z, 3);
    const auto q = get_location("5:6");
    EXPECT_EQ(q.x, 5);
    EXPECT_EQ(q.y, 6);
    EXPECT_EQ(q.z, 0);
    EXPECT_EQ(get_location(""), QvTopoNode::Location());
    EXPECT_EQ(get_location("a:b:c"), QvTopoNode::Location());
}

TEST(SplitWords, BlanksSeparateAndVanish)
{
    EXPECT_EQ(split_words("  12 13\t14 "), (RWTValSlist<RWCString>{"12", "13", "14"}));
    EXPECT_TRUE(split_words("   ").empty());
}

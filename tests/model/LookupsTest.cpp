// The model's small readers of typed-in text: node ids, blank fields,
// locations, word lists, host names, and the cut of long error texts.
#include <gtest/gtest.h>

#include "model/Lookups.hpp"

TEST(GetNodeId, NumberWithOrWithoutItsSystem)
{
    const struct {
        const char* id;
        long number;
        const char* system;  // what the id names afterwards
    } rows[] = {
        {"12", 12, "vm"},        // alone: the connected server
        {"paris:7", 7, "paris"},
        {"12abc", 12, "vm"},     // trailing characters are ignored
        {"paris:", -1, "paris"},
        {"abc", -1, nullptr},
        {"", -1, "vm"},
    };
    for (const auto& row : rows) {
        RWCString id = row.id;
        EXPECT_EQ(get_node_id(id, "vm"), row.number) << row.id;
        if (row.system) {
            EXPECT_EQ(id, row.system) << row.id;
        }
    }
}

TEST(IsBlank, OnlyNumbersCountAsFilled)
{
    for (const char* blank : {"", "   ", " . ", "-10", "12a"})
        EXPECT_EQ(is_blank(blank), 1) << blank;
    EXPECT_EQ(is_blank(" 12.5 "), 0);
}

TEST(GetLocation, ReadsUpToThreeIntegers)
{
    EXPECT_EQ(get_location("10:-20:3"), (QvTopoNode::Location{10, -20, 3}));
    EXPECT_EQ(get_location("5:6"), (QvTopoNode::Location{5, 6, 0}));
    EXPECT_EQ(get_location(""), QvTopoNode::Location());
    EXPECT_EQ(get_location("a:b:c"), QvTopoNode::Location());
    EXPECT_EQ(split_words("  12 13\t14 "), (RWTValSlist<RWCString>{"12", "13", "14"}));
    EXPECT_TRUE(split_words("   ").empty());
}

TEST(GetAddress, EmptyAndUnknownHostsGiveNothing)
{
    EXPECT_EQ(get_address(""), "");
    EXPECT_EQ(get_address("no-such-host.invalid"), "");
    EXPECT_EQ(is_valid_host("no-such-host.invalid"), 0);
    EXPECT_EQ(get_address("localhost"), "127.0.0.1");
    EXPECT_EQ(is_valid_host("localhost"), 1);
}

TEST(GetErrorStr, CutsLongTextsTo199Characters)
{
    EXPECT_EQ(get_error_str(QvStatus::failure(3, "no such object")), "no such object");
    EXPECT_EQ(get_error_str(QvStatus::failure(3, std::string(500, 'x'))).size(), 199u);
}

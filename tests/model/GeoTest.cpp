// Reading the coordinate fields: the edge cases the Coordinates page tests
// (tests/gui/CoordPageTest.cpp) do not type in.
#include <gtest/gtest.h>

#include "model/CoordText.hpp"
#include "model/Geo.hpp"

TEST(Geo, SecondsAreSplitByTruncation)
{
    GeoFields f;
    f.degrees = "0";
    f.minutes = "0";
    f.seconds = "7.05";  // 7.05 - 7 is just below 0.05
    EXPECT_DOUBLE_EQ(geo_from_fields(f, 1), (7 + 4 / 100.0) / 3600.0);
}

TEST(Geo, SignsAndGarbageCountAsZeroRangesAreNotCheckedSouthAndWestNegate)
{
    GeoFields f;
    f.degrees = "-10";
    f.minutes = "75";
    f.seconds = "abc";
    f.direction = DIR_SOUTH_WEST;
    EXPECT_DOUBLE_EQ(geo_from_fields(f, 1), -(75 / 60.0));

    Geo g;
    EXPECT_TRUE(g.is_empty());
    g.set(10, 30, 0, 0, DIR_SOUTH_WEST);
    EXPECT_FALSE(g.is_empty());
    EXPECT_DOUBLE_EQ(g.get_coordinate(), -10.5);
    EXPECT_EQ(g.direction(), DIR_SOUTH_WEST);
}

TEST(CoordText, LogicalFieldsReadLikeDecimalIntegers)
{
    EXPECT_EQ(logical_from_text("  -7x"), -7);
    EXPECT_EQ(logical_from_text("99999999999"), 2147483647L);
}

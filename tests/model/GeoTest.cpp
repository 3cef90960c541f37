#include <gtest/gtest.h>

#include "model/CoordText.hpp"
#include "model/Geo.hpp"

TEST(Geo, SouthernLatitudeShowsAndReadsBackExactly)
{
    const GeoFields f = geo_to_fields(-33.5, 1);
    EXPECT_EQ(f.direction, DIR_SOUTH_WEST);
    EXPECT_EQ(f.degrees, "33");
    EXPECT_EQ(f.minutes, "30");
    EXPECT_EQ(f.seconds, "0.00");
    EXPECT_DOUBLE_EQ(geo_from_fields(f, 1), -33.5);
}

TEST(Geo, TruncationMakesALongitudeComeBackSmaller)
{
    const GeoFields f = geo_to_fields(151.2, 0);
    EXPECT_EQ(f.direction, DIR_NORTH_EAST);
    EXPECT_EQ(f.degrees, "151");
    EXPECT_EQ(f.minutes, "11");
    EXPECT_EQ(f.seconds, "59.99");
    const double back = geo_from_fields(f, 0);
    EXPECT_NEAR(back, 151.1999972, 1e-7);
    EXPECT_NE(back, 151.2);  // so the page counts as changed
}

TEST(Geo, SecondsAreSplitByTruncation)
{
    GeoFields f;
    f.degrees = "0";
    f.minutes = "0";
    f.seconds = "7.05";  // 7.05 - 7 is just below 0.05
    const double v = geo_from_fields(f, 1);
    EXPECT_DOUBLE_EQ(v, (7 + 4 / 100.0) / 3600.0);
}

TEST(Geo, SignsAndGarbageCountAsZeroAndRangesAreNotChecked)
{
    GeoFields f;
    f.degrees = "-10";
    f.minutes = "75";
    f.seconds = "abc";
    f.direction = DIR_SOUTH_WEST;
    EXPECT_DOUBLE_EQ(geo_from_fields(f, 1), -(75 / 60.0));
}

TEST(Geo, SetNegatesForSouthAndWest)
{
    Geo g;
    EXPECT_TRUE(g.is_empty());
    g.set(10, 30, 0, 0, DIR_SOUTH_WEST);
    EXPECT_FALSE(g.is_empty());
    EXPECT_DOUBLE_EQ(g.get_coordinate(), -10.5);
    EXPECT_EQ(g.direction(), DIR_SOUTH_WEST);
}

TEST(CoordText, LogicalFieldsReadLikeDecimalIntegers)
{
    EXPECT_EQ(logical_from_text("12.5"), 12);
    EXPECT_EQ(logical_from_text(""), 0);
    EXPECT_EQ(logical_from_text("  -7x"), -7);
    EXPECT_EQ(logical_from_text("99999999999"), 2147483647L);
}

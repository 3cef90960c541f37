// Window titles from catalogue texts, and the busy cursor's bitmaps.
#include <gtest/gtest.h>

#include "gui/HourglassBitmap.hpp"
#include "main/TitleText.hpp"

namespace {

TEST(TitleText, BuiltInTitlesStayAsTheyAre)
{
    EXPECT_EQ(format_title("Zentra - Object Properties", "4.0", "mgr"), "Zentra - Object Properties");
}

TEST(TitleText, FirstMarkIsTheVersionSecondTheServer)
{
    EXPECT_EQ(format_title("QV %s on %s", "4.0", "mgr"), "QV 4.0 on mgr");
    EXPECT_EQ(format_title("Corvane QV %s: Login Window", "4.0", ""), "Corvane QV 4.0: Login Window");
    EXPECT_EQ(format_title("%s %s %s", "a", "b"), "a b %s");
}

TEST(BusyCursor, MaskIsTheImageThickenedByOnePixel)
{
    const auto& image = HourglassBitmap::image();
    const auto& mask = HourglassBitmap::mask();
    const int n = HourglassBitmap::kSize;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (x + dx >= 0 && x + dx < n && y + dy >= 0 && y + dy < n)
                        near = near || HourglassBitmap::is_set(image, x + dx, y + dy);
            EXPECT_EQ(HourglassBitmap::is_set(mask, x, y), near) << x << "," << y;
        }
}

TEST(BusyCursor, HourglassHasItsFrameAndNeckAtTheHotSpot)
{
    const auto& image = HourglassBitmap::image();
    for (int x = 0; x < HourglassBitmap::kSize; ++x) {
        EXPECT_TRUE(HourglassBitmap::is_set(image, x, 0));
        EXPECT_TRUE(HourglassBitmap::is_set(image, x, 31));
    }
    EXPECT_TRUE(HourglassBitmap::is_set(image, HourglassBitmap::kHotX, HourglassBitmap::kHotY));
    EXPECT_FALSE(HourglassBitmap::is_set(image, 8, HourglassBitmap::kHotY));
}

}  // namespace

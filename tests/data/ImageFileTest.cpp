// Glyphs, drag icons and view backgrounds in the share tree are XPM files the
// X pixmap library reads, of the sizes and colour counts the tool expects.
#include "DataPaths.hpp"

#include <gtest/gtest.h>
// After gtest: the X headers define macros (None, Bool) that its templates use as names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/xpm.h>
#include <algorithm>
#include <string>
#include <utility>

using namespace qv::datatest;

namespace {

// An image as the pixmap library reads it; freed with the object.
class Xpm {
public:
    explicit Xpm(const std::string& path)
    {
        ok_ = XpmReadFileToXpmImage(const_cast<char*>(path.c_str()), &image_, nullptr) == XpmSuccess;
    }
    ~Xpm()
    {
        if (ok_)
            XpmFreeXpmImage(&image_);
    }
    Xpm(const Xpm&) = delete;
    Xpm& operator=(const Xpm&) = delete;

    bool ok() const { return ok_; }
    const XpmImage& image() const { return image_; }
    // Share of pixels not painted in the colour of the first palette entry.
    double drawn_share() const
    {
        std::size_t n = image_.width * image_.height, drawn = 0;
        for (std::size_t i = 0; i < n; ++i)
            drawn += image_.data[i] != 0;
        return n ? double(drawn) / double(n) : 0.0;
    }

private:
    XpmImage image_{};
    bool ok_ = false;
};

bool is_drag_icon(const std::string& name)
{
    return name == "member.pm" || name == "object.pm";
}

}  // namespace

TEST(Glyphs, AreDrawn32By32InAFewColours)
{
    auto names = share_files("glyphs", ".pm");
    ASSERT_GE(names.size(), 47u);
    for (const auto& name : names) {
        if (is_drag_icon(name))
            continue;
        Xpm xpm(share_path("glyphs/" + name));
        ASSERT_TRUE(xpm.ok()) << name;
        EXPECT_EQ(std::pair(xpm.image().width, xpm.image().height), std::pair(32u, 32u)) << name;
        EXPECT_GE(xpm.image().ncolors, 3u) << name;
        EXPECT_LE(xpm.image().ncolors, 16u) << name;
        EXPECT_GT(xpm.drawn_share(), 0.08) << name << " is nearly empty";
    }
}

TEST(Glyphs, DragIconsAreBitmaps)
{
    // Drag icons are read as 1-bit pixmaps: X bitmap files under the .pm name.
    for (const char* name : {"member.pm", "object.pm"}) {
        unsigned width = 0, height = 0;
        unsigned char* bits = nullptr;
        int hot_x = 0, hot_y = 0;
        const std::string path = share_path(std::string("glyphs/") + name);
        ASSERT_EQ(XReadBitmapFileData(path.c_str(), &width, &height, &bits, &hot_x, &hot_y), BitmapSuccess)
            << name;
        EXPECT_EQ(std::pair(width, height), std::pair(32u, 32u)) << name;
        int set_bits = 0;
        for (unsigned i = 0; i < width / 8 * height; ++i)
            set_bits += __builtin_popcount(bits[i]);
        EXPECT_GT(set_bits, 60) << name << " is nearly empty";
        XFree(bits);
    }
}

TEST(Backgrounds, AreReadableImagesOfAViewsSize)
{
    auto names = share_files("backgrounds", ".xpm");
    ASSERT_GE(names.size(), 3u);
    for (const auto& name : names) {
        Xpm xpm(share_path("backgrounds/" + name));
        ASSERT_TRUE(xpm.ok()) << name;
        EXPECT_GE(std::min(xpm.image().width, xpm.image().height), 200u) << name;
    }
}

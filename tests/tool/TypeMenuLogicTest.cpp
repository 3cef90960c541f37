// The rules of the type menu that need neither a display nor a server: how
// many columns it takes, how its types are grouped, which kinds mix, which
// kind restricts it, and where a type's glyph is read from.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ui/Header.hpp"
#include "ui/Type.hpp"
#include "ui/TypeKinds.hpp"
#include "widgets/TopoTypeMenu.hpp"

namespace {

TEST(TypeMenuColumns, OneColumnBelowFortyTypesThenOnePerForty)
{
    EXPECT_EQ(Header::menu_columns(0), 1);
    EXPECT_EQ(Header::menu_columns(39), 1);
    EXPECT_EQ(Header::menu_columns(40), 1);
    EXPECT_EQ(Header::menu_columns(41), 2);
    EXPECT_EQ(Header::menu_columns(51), 2);
    EXPECT_EQ(Header::menu_columns(80), 2);
    EXPECT_EQ(Header::menu_columns(81), 3);
}

TEST(TypeMenuOrder, TypesAreGroupedByKindKeepingTheirOrderWithinAKind)
{
    const auto rank = [](const RWCString& type) { return type[0] == 'v' ? 0 : type[0] == 'd' ? 1 : 7; };
    EXPECT_EQ(TopoTypeMenu::arrange({"d1", "x", "v1", "d2", "v2"}, rank),
              (RWTValSlist<RWCString>{"v1", "v2", "d1", "d2", "x"}));
    EXPECT_TRUE(TopoTypeMenu::arrange({}, rank).empty());
}

TEST(TypeKindsMixed, PairsThatCannotShareTheMenu)
{
    EXPECT_TRUE(kinds_mixed(kKindContainer | kKindMonitor));
    EXPECT_TRUE(kinds_mixed(kKindContainer | kKindBus));
    EXPECT_TRUE(kinds_mixed(kKindMonitor | kKindDevice));
    EXPECT_TRUE(kinds_mixed(kKindMonitor | kKindLink));
    EXPECT_TRUE(kinds_mixed(kKindDevice | kKindLink));
    EXPECT_TRUE(kinds_mixed(kKindDevice | kKindArray));
    EXPECT_TRUE(kinds_mixed(kKindArray | kKindBus));
}

TEST(TypeKindsMixed, OneKindAndLinksWithArraysOrBusesAreNotMixed)
{
    for (unsigned kind : {kKindContainer, kKindMonitor, kKindDevice, kKindLink, kKindArray, kKindBus})
        EXPECT_FALSE(kinds_mixed(kind)) << kind;
    EXPECT_FALSE(kinds_mixed(0));
    EXPECT_FALSE(kinds_mixed(kKindLink | kKindArray));
    EXPECT_FALSE(kinds_mixed(kKindLink | kKindBus));
}

TEST(TypeKindsMenu, FirstKindInTheOrderArrayBusMonitorDeviceLinkContainer)
{
    EXPECT_STREQ(menu_kind(kKindArray | kKindDevice), "array");
    EXPECT_STREQ(menu_kind(kKindBus | kKindLink), "bus");
    EXPECT_STREQ(menu_kind(kKindMonitor | kKindDevice), "monitor");
    EXPECT_STREQ(menu_kind(kKindDevice | kKindContainer), "device");
    EXPECT_STREQ(menu_kind(kKindLink), "link");
    EXPECT_STREQ(menu_kind(kKindContainer), "container");
    EXPECT_STREQ(menu_kind(0), "");
}

TEST(TypeKindsMenu, AWordThatNamesNoKindIsNotKnown)
{
    bool known = true;
    EXPECT_FALSE(type_is_of_kind("view", "World", known));
    EXPECT_FALSE(known);
    type_is_of_kind("device", "Router", known);
    EXPECT_TRUE(known);
}

class GlyphPath : public testing::Test {
protected:
    void SetUp() override
    {
        const char* home = std::getenv("QV_HOME");
        had_home_ = home != nullptr;
        if (home)
            saved_ = home;
    }
    void TearDown() override
    {
        if (had_home_)
            setenv("QV_HOME", saved_.c_str(), 1);
        else
            unsetenv("QV_HOME");
    }

private:
    bool had_home_ = false;
    std::string saved_;
};

TEST_F(GlyphPath, ReadFromTheGlyphsDirectoryOfQvHome)
{
    setenv("QV_HOME", "/x", 1);
    EXPECT_EQ(Type::glyph_path("t"), "/x/glyphs/t.pm");
}

TEST_F(GlyphPath, InstallationDirectoryWithoutQvHome)
{
    unsetenv("QV_HOME");
    EXPECT_EQ(Type::glyph_path("Router"), "/opt/Quorlan/qv/glyphs/Router.pm");
}

}  // namespace

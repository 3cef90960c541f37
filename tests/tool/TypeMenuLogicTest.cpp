// The rules of the type menu that need neither a display nor a server: how
// many columns it takes, how its types are grouped, which kinds mix and which
// kind restricts it.
#include <gtest/gtest.h>

#include "ui/Header.hpp"
#include "ui/TypeKinds.hpp"
#include "widgets/TopoTypeMenu.hpp"

namespace {

TEST(TypeMenu, OneColumnUpToFortyTypesThenOnePerForty)
{
    const std::pair<int, int> rows[] = {{0, 1}, {39, 1}, {40, 1}, {41, 2}, {51, 2}, {80, 2}, {81, 3}};
    for (const auto& [types, columns] : rows)
        EXPECT_EQ(Header::menu_columns(types), columns) << types << " types";
}

TEST(TypeMenu, TypesAreGroupedByKindKeepingTheirOrderWithinAKind)
{
    const auto rank = [](const RWCString& type) { return type[0] == 'v' ? 0 : type[0] == 'd' ? 1 : 7; };
    EXPECT_EQ(TopoTypeMenu::arrange({"d1", "x", "v1", "d2", "v2"}, rank),
              (RWTValSlist<RWCString>{"v1", "v2", "d1", "d2", "x"}));
    EXPECT_TRUE(TopoTypeMenu::arrange({}, rank).empty());
}

TEST(TypeKinds, EveryPairOfKindsMixesButALinkWithAnArrayOrABus)
{
    const unsigned kinds[] = {kKindContainer, kKindMonitor, kKindDevice, kKindLink, kKindArray, kKindBus};
    EXPECT_FALSE(kinds_mixed(0));
    for (unsigned a : kinds) {
        EXPECT_FALSE(kinds_mixed(a)) << a;
        for (unsigned b : kinds) {
            if (b <= a)
                continue;
            const bool together = (a | b) == (kKindLink | kKindArray) || (a | b) == (kKindLink | kKindBus);
            EXPECT_EQ(kinds_mixed(a | b), !together) << a << "+" << b;
        }
    }
}

TEST(TypeKinds, MenuTakesTheFirstKindInTheOrderArrayBusMonitorDeviceLinkContainer)
{
    EXPECT_STREQ(menu_kind(kKindArray | kKindDevice), "array");
    EXPECT_STREQ(menu_kind(kKindBus | kKindLink), "bus");
    EXPECT_STREQ(menu_kind(kKindMonitor | kKindDevice), "monitor");
    EXPECT_STREQ(menu_kind(kKindDevice | kKindContainer), "device");
    EXPECT_STREQ(menu_kind(kKindLink), "link");
    EXPECT_STREQ(menu_kind(kKindContainer), "container");
    EXPECT_STREQ(menu_kind(0), "");

    bool known = true;
    EXPECT_FALSE(type_is_of_kind("view", "World", known));  // "view" names no kind here
    EXPECT_FALSE(known);
    type_is_of_kind("device", "Router", known);
    EXPECT_TRUE(known);
}

}  // namespace

// The combo pick list as the CMIP and MIS dialogs keep it: newest first,
// one item deleted at a time, wiped whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/XrtComboWrap.hpp"

namespace {

using Items = std::vector<std::string>;

TEST(XrtComboWrap, NewestFirstDeletesTheFirstEqualItemAndWipes)
{
    XrtComboWrap combo;
    for (const char* item : {"a", "b", "c", "b"})
        combo.add_item(item);
    EXPECT_EQ(combo.items(), (Items{"b", "c", "b", "a"}));
    EXPECT_EQ(combo.del_item("b"), 1);
    EXPECT_EQ(combo.items(), (Items{"c", "b", "a"}));
    EXPECT_EQ(combo.del_item("zz"), 0);
    EXPECT_EQ(combo.items(), (Items{"c", "b", "a"}));
    combo.wipe();
    EXPECT_TRUE(combo.items().empty());
    combo.set();  // no widget yet: nothing to hand the list to
}

}  // namespace

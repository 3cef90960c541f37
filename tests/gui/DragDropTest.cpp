// Drags with mouse button 2 driven by real pointer events through the X
// server: monitor members between the hidden and shown lists, refused when
// the shown list is full or the drop site is an array list, and what Apply
// then stores.
#include <gtest/gtest.h>

#include <Xm/List.h>
#include <Xm/Xm.h>

#include "driver/DragPointer.hpp"
#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "ui/DisplayPage.hpp"

namespace qv::gui {
namespace {

using DragDropTest = ToolTest;
using Names = std::vector<std::string>;

Names items(const char* list) { return list_items(page_widget(list)); }

ScreenPoint item_point(const char* list, int position)
{
    Widget widget = page_widget(list);
    Position x = 0, y = 0;
    Dimension width = 0, height = 0;
    XmListPosToBounds(widget, position, &x, &y, &width, &height);
    return screen_point(widget, static_cast<Position>(x + 6), static_cast<Position>(y + height / 2));
}

TEST_F(DragDropTest, MembersMoveBetweenListsWithinTheLimitAndApplyStoresThem)
{
    auto server = start_server(false);
    answer_error_dialogs();
    start_tool({"-id", "20"}, server.get());
    scroll_to("display_scroll", "show_members_list");
    ASSERT_TRUE(pump_until([] { return is_viewable(page_widget("show_members_list")); }));

    // The last shown member to the hidden list, and a hidden one back.
    drag_with_button2(item_point("show_members_list", 3), center_of(page_widget("hide_members_list")));
    ASSERT_TRUE(pump_until([] { return items("hide_members_list").size() == 3; }));
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-2"}));
    EXPECT_EQ(items("hide_members_list"), (Names{"member-4", "member-5", "member-3"}));
    drag_with_button2(item_point("hide_members_list", 1), center_of(page_widget("show_members_list")));
    ASSERT_TRUE(pump_until([] { return items("show_members_list").size() == 3; }));
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-2", "member-4"}));

    // The shown list is full: refused with the limit, nothing moves.
    drag_with_button2(item_point("hide_members_list", 1), center_of(page_widget("show_members_list")));
    ASSERT_TRUE(pump_until([] { return !error_messages().empty(); }));
    EXPECT_EQ(error_messages(), Names{"Can only show 3"});
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-2", "member-4"}));
    EXPECT_EQ(items("hide_members_list"), (Names{"member-5", "member-3"}));

    // An array list takes no member: both lists stay as they are.
    display_page->show_array_section(true);
    scroll_to("display_scroll", "array_hide_list");
    ASSERT_TRUE(pump_until([] { return is_viewable(page_widget("array_hide_list")); }));
    const Names array_hidden = items("array_hide_list");
    drag_with_button2(item_point("show_members_list", 1), center_of(page_widget("array_hide_list")));
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-2", "member-4"}));
    EXPECT_EQ(items("hide_members_list"), (Names{"member-5", "member-3"}));
    EXPECT_EQ(items("array_hide_list"), array_hidden);
    display_page->show_array_section(false);

    activate(page_widget("apply_button"));
    EXPECT_EQ(error_messages().size(), 1u);
    const auto stored_members = stored_node(*server, 20, "monitorVisibleChildren");
    Names shown;
    for (const auto& dn : stored_members)
        shown.push_back(dn.get<std::string>().substr(dn.get<std::string>().rfind('=') + 1));
    EXPECT_EQ(shown, (Names{"21", "22", "24"}));
}

}  // namespace
}  // namespace qv::gui

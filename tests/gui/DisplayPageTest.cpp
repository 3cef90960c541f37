// The display page against the fixture: the monitor's members with their
// limit and order, the array's layout, the background and map of a view,
// and what Apply stores of them.
#include <gtest/gtest.h>

#include <Xm/FileSB.h>
#include <Xm/Scale.h>
#include <Xm/Text.h>
#include <Xm/Xm.h>

#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/FileChooser.hpp"
#include "support/TempDir.hpp"
#include "ui/DisplayPage.hpp"

namespace qv::gui {
namespace {

using DisplayPageTest = ToolTest;
using Names = std::vector<std::string>;

Names items(const char* list) { return list_items(page_widget(list)); }

void press(const char* button) { activate(page_widget(button)); }

// The topology node numbers a list of node DNs names, in order.
std::vector<long> numbers(const nlohmann::json& dns)
{
    std::vector<long> out;
    for (const auto& dn : dns) {
        const std::string text = dn.get<std::string>();
        out.push_back(std::atol(text.substr(text.rfind('=') + 1).c_str()));
    }
    return out;
}

// The optional rows of the page that are shown (a section is built only
// once an object needs it).
Names rows_shown()
{
    Names shown;
    for (const char* name : {"bg_bitmap_label", "bg_bitmap_form", "bg_geo_label", "bg_geo_form", "monitor_form",
                             "array_form"})
        if (Widget row = find_widget(name); row && XtIsManaged(row))
            shown.push_back(name);
    return shown;
}

// The array layout as the page shows it: the toggles set, the label, and
// each field's text, marked "(off)" when insensitive.
Names layout_shown()
{
    Names shown;
    for (const char* toggle : {"array_orient_horiz", "array_orient_vert", "array_num_col_square",
                               "array_num_col_custom", "array_cell_fit", "array_cell_custom"})
        if (is_set(page_widget(toggle)))
            shown.push_back(toggle);
    shown.push_back(label_of(page_widget("layout_label")));
    for (const char* name : {"array_num_col_chars", "array_cell_chars", "array_height_value"})
        shown.push_back(text_of(page_widget(name)) + (XtIsSensitive(page_widget(name)) ? "" : " (off)"));
    return shown;
}

// An object's stored array layout: orientation, columns, cell size.
nlohmann::json layout(const qv::test::TestServer& server, long node)
{
    return {stored_node(server, node, "arrayOrientation"), stored_node(server, node, "arrayNumColumns"),
            stored_node(server, node, "arrayCellSize")};
}

// A full monitor refuses another shown member; members move, and Apply
// stores their order and the rotation.
TEST_F(DisplayPageTest, MonitorMembersMoveWithinTheLimitAndApplyStoresTheOrder)
{
    start({"-id", "20"});

    EXPECT_EQ(rows_shown(), Names{"monitor_form"});
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-2", "member-3"}));
    EXPECT_EQ(items("hide_members_list"), (Names{"member-4", "member-5"}));
    int rotation = 0;
    XmScaleGetValue(page_widget("rotation_scale"), &rotation);
    EXPECT_EQ(rotation, 30);
    EXPECT_EQ(display_page->get_max_visible(), 3);

    select_position(page_widget("hide_members_list"), 1);
    press("monitor_add_button");
    EXPECT_EQ(error_messages(), Names{"Can only show 3"});
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-2", "member-3"}));
    EXPECT_EQ(items("hide_members_list"), (Names{"member-4", "member-5"}));
    EXPECT_TRUE(display_page->changed());
    display_page->clear_changed();
    Widget shown = page_widget("show_members_list");

    press("monitor_move_up_button");  // nothing selected: no change
    EXPECT_FALSE(display_page->changed());
    select_position(shown, 1);
    press("monitor_move_up_button");  // the top stays, but counts as changed
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-2", "member-3"}));
    EXPECT_TRUE(display_page->changed());

    select_position(shown, 2);
    press("monitor_move_up_button");
    EXPECT_EQ(items("show_members_list"), (Names{"member-2", "member-1", "member-3"}));
    press("monitor_move_down_button");  // the moved member is still the selected one
    press("monitor_move_down_button");
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-3", "member-2"}));

    select_position(shown, 2);
    press("monitor_remove_button");
    EXPECT_EQ(items("hide_members_list"), (Names{"member-4", "member-5", "member-3"}));
    select_position(page_widget("hide_members_list"), 2);
    press("monitor_add_button");
    EXPECT_EQ(items("show_members_list"), (Names{"member-1", "member-2", "member-5"}));
    XmScaleSetValue(page_widget("rotation_scale"), 90);

    press("apply_button");
    EXPECT_EQ(error_messages().size(), 1u);
    EXPECT_EQ(numbers(stored_node(*server_, 20, "monitorVisibleChildren")), (std::vector<long>{21, 22, 25}));
    EXPECT_EQ(stored_node(*server_, 20, "monitorRotation"), 90);
}

TEST_F(DisplayPageTest, ArrayLayoutIsShownAndWrittenBack)
{
    start({"-id", "30"});

    EXPECT_EQ(rows_shown(), Names{"array_form"});
    EXPECT_EQ(items("array_show_list"), (Names{"cell-a", "cell-a"}));
    EXPECT_EQ(items("array_hide_list"), (Names{"cell-c"}));
    EXPECT_EQ(layout_shown(), (Names{"array_orient_vert", "array_num_col_custom", "array_cell_fit", "Columns", "4",
                                     "1 (off)", "25"}));

    click_toggle(page_widget("array_orient_horiz"));
    EXPECT_EQ(label_of(page_widget("layout_label")), "Rows");
    click_toggle(page_widget("array_num_col_square"));
    EXPECT_FALSE(XtIsSensitive(page_widget("array_num_col_chars")));
    click_toggle(page_widget("array_cell_custom"));
    EXPECT_TRUE(XtIsSensitive(page_widget("array_cell_chars")));
    set_text(page_widget("array_cell_chars"), "12");
    set_text(page_widget("array_height_value"), "30");
    EXPECT_FALSE(display_page->changed());  // layout toggles are no change by themselves
    select_position(page_widget("array_hide_list"), 1);
    press("array_show_members");
    EXPECT_EQ(items("array_show_list"), (Names{"cell-a", "cell-a", "cell-c"}));
    EXPECT_TRUE(display_page->changed());

    press("apply_button");
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    EXPECT_EQ(layout(*server_, 30), nlohmann::json::array({0, 0, {{"width", 12}, {"height", 30}}}));
    // Two members of the same name stay two distinct members.
    EXPECT_EQ(numbers(stored_node(*server_, 30, "arrayVisibleChildren")), (std::vector<long>{31, 32, 33}));

    // A custom cell width below one is corrected when applied.
    click_toggle(page_widget("array_cell_custom"));
    set_text(page_widget("array_cell_chars"), "abc");
    press("apply_button");
    ASSERT_EQ(error_messages().size(), 1u);
    EXPECT_EQ(error_messages().front().rfind("Custom cell width must be greater than 0!", 0), 0u);
    EXPECT_NE(error_messages().front().find("Resetting to 1.."), std::string::npos);
    EXPECT_EQ(text_of(page_widget("array_cell_chars")), "1");
    EXPECT_EQ(stored_node(*server_, 30, "arrayCellSize")["width"], 1);
}

// A view's background and map are shown and written; the map chooser
// starts in the map directory and fills the field.
TEST_F(DisplayPageTest, ViewBackgroundAndMapAreShownChosenAndWritten)
{
    qv::test::TempDir maps;
    maps.write_file("alps.map", "map");
    start({"-id", "2"}, {{"QV_MAPPATH", maps.path()}});

    EXPECT_EQ(rows_shown(), (Names{"bg_bitmap_label", "bg_bitmap_form", "bg_geo_label", "bg_geo_form"}));
    EXPECT_EQ(text_of(page_widget("bg_bitmap_text")), "backgrounds/europe.xpm");
    EXPECT_EQ(text_of(page_widget("bg_geo_text")), "mapdata/europe.map");
    EXPECT_FALSE(display_page->changed());  // filling is no edit

    set_text(page_widget("bg_bitmap_text"), "backgrounds/world.xpm");
    EXPECT_TRUE(display_page->changed());
    display_page->clear_changed();

    press("bg_geo_file");
    press("bg_geo_file");  // a second press reuses the one chooser
    EXPECT_TRUE(display_page->changed());
    Widget chooser = fchooser_getwidget();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(pump_until([&] { return is_viewable(chooser); }, 10));
    EXPECT_EQ(text_of(XmFileSelectionBoxGetChild(chooser, XmDIALOG_FILTER_TEXT)), maps.path() + "/*");
    const std::string chosen = maps.path() + "/alps.map";
    XmTextSetString(XmFileSelectionBoxGetChild(chooser, XmDIALOG_TEXT), const_cast<char*>(chosen.c_str()));
    press_box_button(chooser, XmDIALOG_OK_BUTTON);
    EXPECT_EQ(text_of(page_widget("bg_geo_text")), chosen);
    EXPECT_TRUE(pump_until([&] { return !is_viewable(chooser); }, 10));
    press("apply_button");
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    EXPECT_EQ(stored_node(*server_, 2, "viewBackgroundImage"), "backgrounds/world.xpm");
    EXPECT_EQ(stored_node(*server_, 2, "viewMapFile"), chosen);
}

// Picking objects in the list shows each one's own rows: the background and
// map are a view's only, the members a monitor's; a plain object has none of
// them, and Apply writes its propagation and the default array layout.
TEST_F(DisplayPageTest, EachObjectShowsItsOwnRowsAndAPlainObjectsPropagationIsWritten)
{
    start({"-id", "10", "20", "2"});
    const Names view_rows = {"bg_bitmap_label", "bg_bitmap_form", "bg_geo_label", "bg_geo_form"};
    EXPECT_EQ(rows_shown(), Names{});
    EXPECT_TRUE(is_set(page_widget("propagate_status_on")));

    select_position(name_list(), 3);
    EXPECT_EQ(rows_shown(), view_rows);
    EXPECT_EQ(text_of(page_widget("bg_bitmap_text")), "backgrounds/europe.xpm");
    select_position(name_list(), 2);
    EXPECT_EQ(rows_shown(), Names{"monitor_form"});
    select_position(name_list(), 3);
    EXPECT_EQ(rows_shown(), view_rows);
    select_position(name_list(), 1);
    EXPECT_EQ(rows_shown(), Names{});

    click_toggle(page_widget("propagate_status_off"));
    EXPECT_FALSE(is_set(page_widget("propagate_status_on")));
    EXPECT_TRUE(display_page->changed());
    press("apply_button");
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    EXPECT_EQ(stored_node(*server_, 10, "severityPropagated"), false);
    // Apply writes every object's array layout: a plain object's defaults.
    EXPECT_EQ(layout(*server_, 10), nlohmann::json::array({0, 0, {{"width", 0}, {"height", 25}}}));
    EXPECT_FALSE(display_page->changed());
}

TEST_F(DisplayPageTest, NewArrayShowsTheDefaultLayoutAndIsCreatedWithTheOneChosen)
{
    start({"-type", "Array", "-parent", "3", "-name", "new-array"});

    EXPECT_EQ(rows_shown(), Names{"array_form"});
    const Names shown = layout_shown();
    EXPECT_EQ(Names(shown.begin(), shown.begin() + 4),
              (Names{"array_orient_horiz", "array_num_col_square", "array_cell_fit", "Rows"}));
    EXPECT_EQ(shown[4].substr(shown[4].size() - 5), "(off)");
    EXPECT_EQ(shown[6], "25");

    // Negative numbers are reported on Return and left in place.
    click_toggle(page_widget("array_num_col_custom"));
    set_text(page_widget("array_num_col_chars"), "-2");
    activate(page_widget("array_num_col_chars"));
    EXPECT_EQ(text_of(page_widget("array_num_col_chars")), "-2");
    click_toggle(page_widget("array_cell_custom"));
    set_text(page_widget("array_cell_chars"), "-1");
    activate(page_widget("array_cell_chars"));
    set_text(page_widget("array_cell_chars"), "7");
    activate(page_widget("array_cell_chars"));
    EXPECT_EQ(error_messages(), (Names{"Cannot enter negative row/column.", "Cannot enter negative cell width."}));
    click_toggle(page_widget("array_cell_fit"));
    set_text(page_widget("array_num_col_chars"), "3");
    click_toggle(page_widget("array_orient_vert"));
    activate(page_widget("apply_button"));
    EXPECT_EQ(error_messages().size(), 2u);
    const std::vector<long> created = nodes_named(*server_, "new-array");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(layout(*server_, created[0]), nlohmann::json::array({1, 3, {{"width", 0}, {"height", 25}}}));
}

}  // namespace
}  // namespace qv::gui

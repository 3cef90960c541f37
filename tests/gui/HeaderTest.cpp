// The header of the main window against the fixture: the type menu built
// from the server's types, the glyph, the menu restricted to the object's
// kind, legal and refused type changes, and mixed kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <X11/Xutil.h>
#include <Xm/List.h>
#include <Xm/Xm.h>

#include "driver/DragPointer.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/Table.hpp"
#include "gui/XtGlobals.hpp"
#include "model/ModelContext.hpp"
#include "model/NodeList.hpp"
#include "support/TempDir.hpp"
#include "ui/AgentPage.hpp"
#include "ui/Apply.hpp"
#include "ui/Header.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/ObjectPage.hpp"
#include "ui/UserData.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using HeaderTypes = ToolTest;

Pixmap glyph_shown()
{
    Pixmap pixmap = XmUNSPECIFIED_PIXMAP;
    XtVaGetValues(object_config_tool->type_frame().type_pixmap(), XmNlabelPixmap, &pixmap, nullptr);
    return pixmap;
}

std::vector<std::string> stored_data_tables()
{
    std::vector<std::string> names;
    for (const auto& table : model_context().stored_data->tables())
        names.push_back(table.name);
    return names;
}

// What the widget's window shows, pixel by pixel, once redrawn.
std::vector<unsigned long> pixels_of(Widget widget)
{
    settle();
    Dimension width = 0;
    Dimension height = 0;
    XtVaGetValues(widget, XmNwidth, &width, XmNheight, &height, nullptr);
    XImage* image = XGetImage(XtDisplay(widget), XtWindow(widget), 0, 0, width, height, AllPlanes, ZPixmap);
    std::vector<unsigned long> pixels;
    for (int y = 0; image && y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(XGetPixel(image, x, y));
    if (image)
        XDestroyImage(image);
    return pixels;
}

std::pair<Dimension, Dimension> size_of(Widget widget)
{
    Dimension width = 0, height = 0;
    XtVaGetValues(widget, XmNwidth, &width, XmNheight, &height, nullptr);
    return {width, height};
}

// The router: the menu holds every type of the server in two columns, those
// of its kind sensitive; its glyph; at any window size the type button keeps
// its height (below the natural size the page scrolls, above it the agent
// table takes the width); clicks open the menu and pick a type whose glyph
// is drawn; an object of another kind added makes the menu insensitive, and
// selecting it offers the types of its own kind.
TEST_F(HeaderTypes, MenuGlyphSizesClicksAndMixedKinds)
{
    start({"-id", "10"});
    Widget pulldown = object_config_tool->type_frame().type_pulldown();
    EXPECT_EQ(header->menu_items().size(), 51u);
    short columns = 0;
    unsigned char packing = 0;
    XtVaGetValues(pulldown, XmNnumColumns, &columns, XmNpacking, &packing, nullptr);
    EXPECT_EQ(columns, 2);
    EXPECT_EQ(packing, XmPACK_COLUMN);
    EXPECT_EQ(type_label(), "Router");
    EXPECT_EQ(header->get_current_type_name(), "Router");
    EXPECT_NE(glyph_shown(), XmUNSPECIFIED_PIXMAP);
    for (const char* type : {"Router", "Switch", "Host"})
        EXPECT_TRUE(XtIsSensitive(type_button(type))) << type;
    for (const char* other_kind : {"Floor", "Monitor", "Link", "Array", "Bus", "Group"})
        EXPECT_FALSE(XtIsSensitive(type_button(other_kind))) << other_kind;
    EXPECT_NE(type_button("TokenRing"), nullptr);

    ASSERT_TRUE(pump_until([] { return is_viewable(root_widget); }));
    show_page("agent_scroll");
    Widget type = object_config_tool->type_frame().type_menu_cascade();
    Widget table = agent_table->get_table();
    const auto type_natural = size_of(type);
    const auto table_natural = size_of(table);
    Widget scroll_bar = nullptr;
    XtVaGetValues(page_widget("agent_scroll"), XmNverticalScrollBar, &scroll_bar, nullptr);
    resize_window(root_widget, 520, 600);
    EXPECT_EQ(size_of(type).second, type_natural.second);
    EXPECT_TRUE(scroll_bar && is_viewable(scroll_bar));
    resize_window(root_widget, 1000, 950);
    EXPECT_EQ(size_of(type).second, type_natural.second);
    EXPECT_GT(size_of(table).first, table_natural.first + 300);

    Widget glyph = object_config_tool->type_frame().type_pixmap();
    const std::vector<unsigned long> router_glyph = pixels_of(glyph);
    click(type);
    ASSERT_TRUE(pump_until([&] { return is_viewable(pulldown); }, 10));
    click(type_button("Switch"));
    EXPECT_EQ(type_label(), "Switch");
    EXPECT_EQ(header->type_changed(), 1);
    EXPECT_NE(pixels_of(glyph), router_glyph);

    set_text(name_field(), "fx-link");
    activate(object_config_tool->identification().add_name_button());
    EXPECT_EQ(header->is_mixed_state(), 1);
    for (Widget item : header->menu_items())
        EXPECT_FALSE(XtIsSensitive(item)) << label_of(item);
    XmListSelectPos(name_list(), 2, True);
    EXPECT_EQ(type_label(), "Link");
    EXPECT_TRUE(XtIsSensitive(type_button("FiberLink")));
    EXPECT_FALSE(XtIsSensitive(type_button("Router")));
}

TEST_F(HeaderTypes, MissingGlyphFileLeavesNoPixmapAndNoMessage)
{
    qv::test::TempDir home;
    home.write_file("glyphs/Router.pm", "not an image");
    start({"-id", "16"}, {{"QV_HOME", home.path()}});

    EXPECT_EQ(type_label(), "Hub");
    EXPECT_EQ(glyph_shown(), XmUNSPECIFIED_PIXMAP);
    pick_type("Router");
    EXPECT_EQ(glyph_shown(), XmUNSPECIFIED_PIXMAP);
    EXPECT_TRUE(error_messages().empty());
}

// Picking the current type again keeps the stored data as edited; a legal
// change rebuilds it, and Apply stores the type.
TEST_F(HeaderTypes, LegalChangeRebuildsTheStoredDataAndApplyStoresTheType)
{
    start({"-id", "16"});
    EXPECT_EQ(stored_data_tables(), (std::vector<std::string>{"contact", "serialNumber"}));
    const Pixmap hub_glyph = glyph_shown();
    ASSERT_FALSE(object_page->user_data().empty());
    set_text(find_widget_in(object_page->user_data().front()->frame(), "attribute"), "edited, not applied");
    pick_type("Hub");
    EXPECT_EQ(header->type_changed(), 1);
    EXPECT_EQ(text_of(find_widget_in(object_page->user_data().front()->frame(), "attribute")),
              "edited, not applied");

    pick_type("Switch");
    EXPECT_EQ(type_label(), "Switch");
    EXPECT_NE(glyph_shown(), hub_glyph);
    EXPECT_EQ(header->type_changed(), 1);
    EXPECT_EQ(stored_data_tables(),
              (std::vector<std::string>{"contact", "serialNumber", "rackUnits", "managed", "interfaces", "vlans"}));

    activate(object_config_tool->apply_button());
    EXPECT_EQ(stored(*server_, "16", "typeName"), "Switch");
    EXPECT_EQ(header->type_changed(), 0);
    EXPECT_EQ(exit_tolvar, 1);
}

TEST_F(HeaderTypes, ChangeBetweenViewAndDeviceIsRefused)
{
    start({"-id", "3"});
    EXPECT_EQ(type_label(), "Floor");
    const Pixmap floor_glyph = glyph_shown();

    pick_type("Router");
    ASSERT_EQ(error_messages().size(), 1u);
    EXPECT_EQ(error_messages()[0], "Cannot change type as\nproperties are different.");
    EXPECT_EQ(type_label(), "Floor");
    EXPECT_EQ(header->get_current_type_name(), "Floor");
    EXPECT_EQ(glyph_shown(), floor_glyph);
    EXPECT_EQ(header->type_changed(), 1);  // set by every pick

    activate(object_config_tool->apply_button());
    EXPECT_EQ(stored(*server_, "3", "typeName"), "Floor");
}

TEST_F(HeaderTypes, EmptyCommandLineShowsArrayAndEveryTypeAndLinkAndArrayAreNotMixed)
{
    start({});
    EXPECT_EQ(type_label(), "Array");
    EXPECT_TRUE(node_list.empty());
    EXPECT_NE(glyph_shown(), XmUNSPECIFIED_PIXMAP);
    EXPECT_TRUE(std::all_of(header->menu_items().begin(), header->menu_items().end(),
                            [](Widget item) { return XtIsSensitive(item); }));
    // A link and an array are not of mixed kinds.
    add_node_to_list(QvTopoNodeDn(server_->system_name(), 14));
    add_node_to_list(QvTopoNodeDn(server_->system_name(), 30));
    EXPECT_EQ(header->is_mixed_state(), 0);
}

}  // namespace
}  // namespace qv::gui

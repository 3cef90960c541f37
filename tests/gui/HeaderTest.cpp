// The header of the main window against the fixture: the type menu built
// from the server's types, the glyph, the menu restricted to the object's
// kind, legal and refused type changes, and mixed kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <Xm/Xm.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolSession.hpp"
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

TEST_F(HeaderTypes, MenuHoldsEveryTypeOfTheServerInTwoColumns)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());

    Widget pulldown = object_config_tool->type_frame().type_pulldown();
    EXPECT_EQ(header->menu_items().size(), 51u);
    short columns = 0;
    unsigned char packing = 0;
    XtVaGetValues(pulldown, XmNnumColumns, &columns, XmNpacking, &packing, nullptr);
    EXPECT_EQ(columns, 2);
    EXPECT_EQ(packing, XmPACK_COLUMN);
    for (const char* type : {"Router", "Floor", "Monitor", "Link", "Group", "TokenRing"})
        EXPECT_NE(type_button(type), nullptr) << type;
}

TEST_F(HeaderTypes, ObjectShowsItsTypeGlyphAndOnlyTypesOfItsKind)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());

    EXPECT_EQ(type_label(), "Router");
    EXPECT_EQ(header->get_current_type_name(), "Router");
    EXPECT_NE(glyph_shown(), XmUNSPECIFIED_PIXMAP);
    EXPECT_TRUE(XtIsSensitive(type_button("Switch")));
    EXPECT_TRUE(XtIsSensitive(type_button("Host")));
    for (const char* other_kind : {"Floor", "Monitor", "Link", "Array", "Bus", "Group"})
        EXPECT_FALSE(XtIsSensitive(type_button(other_kind))) << other_kind;
}

TEST_F(HeaderTypes, MissingGlyphFileLeavesNoPixmapAndNoMessage)
{
    auto server = start_server(false);
    qv::test::TempDir home;
    home.write_file("glyphs/Router.pm", "not an image");
    answer_error_dialogs();
    start_tool({"-id", "16"}, server.get(), {{"QV_HOME", home.path()}});

    EXPECT_EQ(type_label(), "Hub");
    EXPECT_EQ(glyph_shown(), XmUNSPECIFIED_PIXMAP);
    pick_type("Router");
    EXPECT_EQ(glyph_shown(), XmUNSPECIFIED_PIXMAP);
    EXPECT_TRUE(error_messages().empty());
}

TEST_F(HeaderTypes, LegalChangeRebuildsTheStoredDataAndApplyStoresTheType)
{
    auto server = start_server(false);
    start_tool({"-id", "16"}, server.get());
    EXPECT_EQ(stored_data_tables(), (std::vector<std::string>{"contact", "serialNumber"}));
    const Pixmap hub_glyph = glyph_shown();

    pick_type("Switch");
    EXPECT_EQ(type_label(), "Switch");
    EXPECT_NE(glyph_shown(), hub_glyph);
    EXPECT_EQ(header->type_changed(), 1);
    EXPECT_EQ(stored_data_tables(),
              (std::vector<std::string>{"contact", "serialNumber", "rackUnits", "managed", "interfaces", "vlans"}));

    activate(object_config_tool->apply_button());
    EXPECT_EQ(stored(*server, "16", "typeName"), "Switch");
    EXPECT_EQ(header->type_changed(), 0);
    EXPECT_EQ(exit_tolvar, 1);
}

// Clicks the middle of widget through the X server.
void click(Widget widget)
{
    Dimension width = 0, height = 0;
    XtVaGetValues(widget, XmNwidth, &width, XmNheight, &height, nullptr);
    Position x = 0, y = 0;
    XtTranslateCoords(widget, static_cast<Position>(width / 2), static_cast<Position>(height / 2), &x, &y);
    xdotool({"mousemove", std::to_string(x), std::to_string(y), "click", "1"});
}

TEST_F(HeaderTypes, ClicksOpenTheMenuAndPickATypeWhoseGlyphIsDrawn)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());
    ASSERT_TRUE(pump_until([] { return is_viewable(root_widget); }));
    Widget glyph = object_config_tool->type_frame().type_pixmap();
    const std::vector<unsigned long> router_glyph = pixels_of(glyph);

    click(object_config_tool->type_frame().type_menu_cascade());
    ASSERT_TRUE(pump_until([] { return is_viewable(object_config_tool->type_frame().type_pulldown()); }, 10));
    click(type_button("Switch"));
    EXPECT_EQ(type_label(), "Switch");
    EXPECT_EQ(header->type_changed(), 1);
    EXPECT_NE(pixels_of(glyph), router_glyph);
}

// Smaller or larger, the type button keeps its height; below its natural
// size the page scrolls, above it the agent table takes the width.
TEST_F(HeaderTypes, AtAnySizeTheTypeButtonKeepsItsHeightAndThePageTakesTheRoom)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());
    ASSERT_TRUE(pump_until([] { return is_viewable(root_widget); }));
    show_page("agent_scroll");
    const auto size = [](Widget widget) {
        Dimension width = 0, height = 0;
        XtVaGetValues(widget, XmNwidth, &width, XmNheight, &height, nullptr);
        return std::pair{width, height};
    };
    Widget type = object_config_tool->type_frame().type_menu_cascade();
    Widget table = agent_table->get_table();
    const auto type_natural = size(type);
    const auto table_natural = size(table);
    Widget scroll_bar = nullptr;
    XtVaGetValues(page_widget("agent_scroll"), XmNverticalScrollBar, &scroll_bar, nullptr);

    resize_window(root_widget, 520, 600);
    EXPECT_EQ(size(type).second, type_natural.second);
    EXPECT_TRUE(scroll_bar && is_viewable(scroll_bar));
    resize_window(root_widget, 1000, 950);
    EXPECT_EQ(size(type).second, type_natural.second);
    EXPECT_GT(size(table).first, table_natural.first + 300);
}

TEST_F(HeaderTypes, PickingTheCurrentTypeAgainKeepsTheStoredDataAsEdited)
{
    auto server = start_server(false);
    start_tool({"-id", "16"}, server.get());
    ASSERT_FALSE(object_page->user_data().empty());
    Widget field = find_widget_in(object_page->user_data().front()->frame(), "attribute");
    ASSERT_NE(field, nullptr);
    set_text(field, "edited, not applied");

    pick_type("Hub");
    EXPECT_EQ(header->type_changed(), 1);
    EXPECT_EQ(text_of(find_widget_in(object_page->user_data().front()->frame(), "attribute")),
              "edited, not applied");
}

TEST_F(HeaderTypes, ChangeBetweenViewAndDeviceIsRefused)
{
    auto server = start_server(false);
    answer_error_dialogs();
    start_tool({"-id", "3"}, server.get());
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
    EXPECT_EQ(stored(*server, "3", "typeName"), "Floor");
}

TEST_F(HeaderTypes, AddingAnObjectOfAnotherKindMakesTheMenuInsensitive)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());
    add_node_to_list(QvTopoNodeDn(server->system_name(), 14));

    EXPECT_EQ(header->is_mixed_state(), 1);
    for (Widget item : header->menu_items())
        EXPECT_FALSE(XtIsSensitive(item)) << label_of(item);
}

TEST_F(HeaderTypes, SelectingOneOfMixedObjectsOffersTheTypesOfItsKind)
{
    auto server = start_server(false);
    start_tool({"-id", "10", "14"}, server.get());
    XmListSelectPos(name_list(), 2, True);

    EXPECT_EQ(type_label(), "Link");
    EXPECT_TRUE(XtIsSensitive(type_button("FiberLink")));
    EXPECT_FALSE(XtIsSensitive(type_button("Router")));
}

TEST_F(HeaderTypes, LinkAndArrayAreNotMixed)
{
    auto server = start_server(false);
    start_tool({"-id", "14", "30"}, server.get());
    EXPECT_EQ(header->is_mixed_state(), 0);
}

using HeaderRights = ToolTest;

TEST_F(HeaderRights, WithoutAnyModifyRightOkApplyTypeAndDeleteAreInsensitive)
{
    auto server = start_server(true);
    answer_login("viewer", "viewer");
    start_tool({"-id", "10"}, server.get());

    EXPECT_FALSE(XtIsSensitive(object_config_tool->ok_button()));
    EXPECT_FALSE(XtIsSensitive(object_config_tool->apply_button()));
    EXPECT_FALSE(XtIsSensitive(object_config_tool->type_frame().type_menu_cascade()));
    EXPECT_FALSE(XtIsSensitive(object_config_tool->identification().delete_name_button()));
    EXPECT_TRUE(XtIsSensitive(object_config_tool->identification().add_name_button()));
}

TEST_F(HeaderRights, OneModifyRightKeepsOkAndApply)
{
    auto server = start_server(true);
    answer_login("nocoord", "nocoord");
    start_tool({"-id", "10"}, server.get());

    EXPECT_TRUE(XtIsSensitive(object_config_tool->ok_button()));
    EXPECT_TRUE(XtIsSensitive(object_config_tool->apply_button()));
    EXPECT_TRUE(XtIsSensitive(object_config_tool->type_frame().type_menu_cascade()));
    EXPECT_TRUE(XtIsSensitive(object_config_tool->identification().delete_name_button()));
}

TEST_F(HeaderTypes, EmptyCommandLineShowsArrayAndEveryType)
{
    auto server = start_server(false);
    start_tool({}, server.get());
    EXPECT_EQ(type_label(), "Array");
    EXPECT_TRUE(node_list.empty());
    EXPECT_NE(glyph_shown(), XmUNSPECIFIED_PIXMAP);
    EXPECT_TRUE(std::all_of(header->menu_items().begin(), header->menu_items().end(),
                            [](Widget item) { return XtIsSensitive(item); }));
}

}  // namespace
}  // namespace qv::gui

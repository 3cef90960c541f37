// The header on the demo topology, as a user sees it: the object's name in
// the list, its type with its glyph, and the type menu opened by a click.
// The screenshots are left in the GUI tests' output directory.
#include <gtest/gtest.h>

#include <string>

#include <Xm/Xm.h>

#include "driver/ChildProcess.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "support/TestServer.hpp"
#include "ui/Header.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using HeaderOnScreen = ToolTest;

// Clicks the first pointer button at the middle of widget through the X
// server, while the tool goes on handling events.
void click(Widget widget)
{
    Position x = 0;
    Position y = 0;
    Dimension width = 0;
    Dimension height = 0;
    XtVaGetValues(widget, XmNwidth, &width, XmNheight, &height, nullptr);
    XtTranslateCoords(widget, static_cast<Position>(width / 2), static_cast<Position>(height / 2), &x, &y);
    ChildProcess xdotool("xdotool", {"mousemove", std::to_string(x), std::to_string(y), "click", "1"}, {}, "/tmp");
    pump_until([&] { return !xdotool.running(); });
}

TEST_F(HeaderOnScreen, DemoRouterWithItsGlyphAndTheTypeMenuOpen)
{
    qv::test::ServerOptions options;
    options.load_file = qv::test::source_dir() + "/data/demo/topology.json";
    qv::test::TestServer server(options);
    start_tool({"-id", "12"}, &server);
    ASSERT_TRUE(pump_until([] { return is_viewable(root_widget); }));

    EXPECT_EQ(list_items(name_list()).size(), 1u);
    EXPECT_EQ(type_label(), "Router");
    screenshot(std::string(QV_GUI_TEST_OUTPUT_DIR) + "/header-demo-router.png");

    Widget menu = object_config_tool->type_frame().type_pulldown();
    click(object_config_tool->type_frame().type_menu_cascade());
    ASSERT_TRUE(pump_until([&] { return is_viewable(menu); }, 10)) << "the type menu did not open";
    screenshot(std::string(QV_GUI_TEST_OUTPUT_DIR) + "/header-type-menu.png");

    // A click on another device type picks it, and its glyph is drawn.
    Widget glyph = object_config_tool->type_frame().type_pixmap();
    const std::vector<unsigned long> router_glyph = pixels_of(glyph);
    click(type_button("Switch"));
    EXPECT_TRUE(pump_until([] { return type_label() == "Switch"; }, 10));
    EXPECT_EQ(header->type_changed(), 1);
    EXPECT_NE(pixels_of(glyph), router_glyph);
    screenshot(std::string(QV_GUI_TEST_OUTPUT_DIR) + "/header-switch-picked.png");
}

TEST_F(HeaderOnScreen, CreateModeNamesOneNewObject)
{
    qv::test::ServerOptions options;
    options.load_file = qv::test::source_dir() + "/data/demo/topology.json";
    qv::test::TestServer server(options);
    start_tool({"-type", "Switch", "-parent", "18", "-name", "switch-lon-2"}, &server);
    ASSERT_TRUE(pump_until([] { return is_viewable(root_widget); }));

    EXPECT_FALSE(is_viewable(name_list()));
    EXPECT_FALSE(is_viewable(object_config_tool->identification().add_name_button()));
    EXPECT_TRUE(is_viewable(name_field()));
    EXPECT_EQ(type_label(), "Switch");
    screenshot(std::string(QV_GUI_TEST_OUTPUT_DIR) + "/header-create-mode.png");
}

}  // namespace
}  // namespace qv::gui

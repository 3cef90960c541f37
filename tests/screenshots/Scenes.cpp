// Screenshot scenes: the windows and dialogs of the tool as a user sees
// them, for a person to look at. Not tests: they assert only what they need
// to get to the picture. Each scene runs in a process of its own
// (run-scenes.sh), as the tool's start-up runs once per process.
#include <gtest/gtest.h>

#include <string>

#include <Xm/Xm.h>

#include "Shot.hpp"
#include "driver/AgentDriver.hpp"
#include "driver/BrowserDriver.hpp"
#include "driver/DragPointer.hpp"
#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/Keyboard.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/TableDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "help/HelpLauncher.hpp"
#include "help/XtHelp.hpp"
#include "support/TestServer.hpp"
#include "gui/Table.hpp"
#include "ui/AgentPage.hpp"
#include "ui/Browser.hpp"
#include "ui/ChooserDialog.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/CmipDel.hpp"
#include "ui/MisConfig.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using Scene = ToolTest;

// The tool started with args, once its main window shows, on a fresh server
// of the demo's topology or the test fixture's; the server lives as long as
// what is returned.
std::unique_ptr<qv::test::TestServer> open_tool(const std::vector<std::string>& args, bool demo = true)
{
    qv::test::ServerOptions options = qv::test::fixture_options();
    if (demo)
        options.load_file = qv::test::source_dir() + "/data/demo/topology.json";
    auto server = std::make_unique<qv::test::TestServer>(options);
    start_tool(args, server.get());
    EXPECT_TRUE(pump_until([] { return is_viewable(root_widget); }));
    return server;
}

TEST_F(Scene, MainWindowOnTheDemoRouter)
{
    const auto server = open_tool({"-id", "12"});
    shot("main-window");
    click(object_config_tool->type_frame().type_menu_cascade());
    pump_until([] { return is_viewable(object_config_tool->type_frame().type_pulldown()); }, 10);
    shot("main-type-menu");
    click(type_button("Switch"));
    shot("main-switch-picked");
}

TEST_F(Scene, MainWindowSmallAndLarge)
{
    const auto server = open_tool({"-id", "12"});
    resize_window(root_widget, 520, 600);
    shot("main-520x600");
    show_page("descr_scroll");
    shot("main-520x600-stored-data");
    resize_window(root_widget, 1000, 950);
    show_page("agent_scroll");
    shot("main-1000x950");
    show_page("display_scroll");
    shot("main-1000x950-display");
}

// Opens the dialog of the agent row whose protocol is protocol.
void open_agent(const std::string& protocol, AgentConfigDialog* dialog)
{
    for (int row = 0; row < agent_table->get_num_rows(); ++row)
        if (agent_table->get_cell(row, 0) == protocol) {
            agent_table->deselect_all();
            select_agent_row(row);
        }
    open_dialog("change_button", dialog);
}

// A Paris router of the demo with an agent of each kind, and the SNMP and
// RPC dialogs with their choosers.
TEST_F(Scene, AgentsOfTheDemoParisRouter)
{
    const auto server = open_tool({"-id", "33"});
    show_page("agent_scroll");
    shot("agents-page-demo");
    open_agent("SNMP", snmp_config_dialog());
    shot("snmp-dialog");
    activate(find_widget_in(snmp_config_dialog()->shell(), "add_mib_button"));
    pump_until([] { return is_shown(snmp_mib_dialog()->xd_dialogwidget()); }, 10);
    shot("mib-chooser");
    activate(snmp_mib_dialog()->ok_button());
    activate(snmp_config_dialog()->cancel_button());
    open_agent("RPC", rpc_config_dialog());
    shot("rpc-dialog");
    activate(find_widget_in(rpc_config_dialog()->shell(), "add_agent_button"));
    pump_until([] { return is_shown(rpc_agent_dialog()->xd_dialogwidget()); }, 10);
    shot("rpc-chooser");
}

// The London router of the demo: its MIS dialog, its CMIP entity in both
// tabs of the CMIP dialog, and the dialog that deletes entities.
TEST_F(Scene, MisAndCmipDialogsOfTheDemoLondonRouter)
{
    const auto server = open_tool({"-id", "12"});
    show_page("agent_scroll");
    open_agent("MIS", mis_config_dialog());
    shot("mis-dialog");
    activate(mis_config_dialog()->cancel_button());
    open_agent("CMIP", cmip_config_dialog());
    shot("cmip-basic");
    show_tab(cmip_config_dialog(), "advanced_form");
    shot("cmip-advanced");
    activate(cmip_config_dialog()->delete_button());
    pump_until([] { return is_viewable(cmip_del_entity_dialog()->cmip_del_list()); }, 10);
    shot("cmip-delete");
}

// The object browser below the London router's SNMP agent, a few levels open
// and an interface selected and added to the SNMP dialog.
TEST_F(Scene, ObjectBrowserOfTheDemoLondonRouter)
{
    const auto server = open_tool({"-id", "12"});
    show_page("agent_scroll");
    open_agent("SNMP", snmp_config_dialog());
    press_browser();
    // Beside the dialog, as a window manager would place it.
    XtVaSetValues(object_browser()->shell(), XmNx, 610, XmNy, 0, nullptr);
    const std::string root = browser_parent;
    click_folder(object_named(root + "/mibGroupId=\"interfaces\"")->widget);
    click_folder(object_named(root + "/mibGroupId=\"hrSWRun\"")->widget);
    activate(object_named(root + "/mibGroupId=\"interfaces\"/ifEntryId=2")->widget);
    activate(find_widget_in(object_browser()->shell(), "object_browser_add_btn"));
    shot("browser");
}

TEST_F(Scene, CreateMode)
{
    const auto server = open_tool({"-type", "Switch", "-parent", "18", "-name", "switch-lon-2"});
    shot("create-mode");
}

TEST_F(Scene, AgentCoordinateAndStoredDataPages)
{
    const auto server = open_tool({"-id", "10"}, false);
    show_page("agent_scroll");
    shot("agent-page");
    scroll_to("agent_scroll", "change_button");
    shot("agent-page-buttons");
    show_page("coord_scroll");
    shot("coord-page");
    show_page("descr_scroll");
    shot("stored-data-page");
    scroll_to("descr_scroll", "interfaces");
    shot("stored-data-interfaces");
    activate(find_widget_in(stored_table("ipAddresses"), "ud_del"));
    shot("stored-data-delete-dialog");
}

TEST_F(Scene, DisplayPageOfAMonitorAnArrayAndAView)
{
    const auto server = open_tool({"-id", "20 30 2"}, false);
    select_position(name_list(), 1);
    scroll_to("display_scroll", "rotation_scale");
    shot("display-monitor");
    select_position(name_list(), 2);
    scroll_to("display_scroll", "array_height_value");
    shot("display-array");
    select_position(name_list(), 3);
    show_page("display_scroll");
    shot("display-view");
    activate(page_widget("bg_geo_file"));  // starts in the map directory
    shot("file-chooser");
}

TEST_F(Scene, LoginDialog)
{
    auto server = start_server(true);
    on_widget("template", [](Widget box) {
        give_focus(XtParent(box));
        shot("login-dialog");
        set_text(find_widget_in(box, "login_text"), "admin");
        type_text(find_widget_in(box, "passwd_text"), "admin");
        activate(find_widget_in(box, "okay_button"));
    });
    start_tool({}, server.get());
}

// The retry dialog for a server name far wider than the screen.
TEST(SceneEnding, RetryDialogForALongServerName)
{
    on_widget("ErrorDialog", [](Widget box) {
        shot("retry-long-server-name");
        press_box_button(box, XmDIALOG_CANCEL_BUTTON);
    });
    start_tool({}, nullptr, {{"QV_SERVER", std::string(1000, 'h') + ".example.org"}});
}

TEST_F(Scene, HelpViewer)
{
    const auto server = open_tool({}, false);
    activate(object_config_tool->help_button());
    pump_until([] { return help && help->viewer_pid() > 0; });
    // The viewer's window is another process's: wait until it shows the topic.
    xdotool({"search", "--sync", "--name", "^Help: The Object"});
    shot("help-viewer");
    help->terminate();
}

}  // namespace
}  // namespace qv::gui

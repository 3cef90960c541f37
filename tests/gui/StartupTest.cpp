// Start-up against a real server: the windows built hidden with their names
// and titles, the three modes, and the -fd handshake.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>

#include <Xm/Xm.h>

#include "driver/GuiDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "process/RunState.hpp"
#include "support/TempDir.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "model/NodeList.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/Header.hpp"
#include "ui/MisConfig.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using Startup = ToolTest;

std::string icon_name_of(Widget shell)
{
    char* name = nullptr;
    XtVaGetValues(shell, XmNiconName, &name, nullptr);
    return name ? name : "";
}

TEST_F(Startup, ConfigureModeShowsTheMainWindowAndBuildsDialogsHiddenOnFirstUse)
{
    start({});

    ASSERT_EQ(root_widget, object_config_tool->shell());
    EXPECT_EQ(XtName(root_widget), std::string("ObjectConfig"));
    EXPECT_TRUE(pump_until([] { return is_viewable(root_widget); }));
    EXPECT_EQ(shell_title(root_widget), "Zentra - Object Properties");
    EXPECT_EQ(icon_name_of(root_widget), "Object Properties");
    for (const char* name : {"tolvar_dialog", "ok_button", "apply_button", "cancel_button", "help_button",
                             "name_text_field", "type_frame_label", "prop_label", "agent_form2"})
        EXPECT_NE(find_widget_in(root_widget, name), nullptr) << name;
    EXPECT_EQ(label_of(find_widget_in(root_widget, "type_frame_label")), "Type of Selected Object");
    EXPECT_EQ(label_of(find_widget_in(root_widget, "prop_label")), "Detailed Properties for Selected Object");
    Dimension height = 0;
    XtVaGetValues(object_config_tool->agent_form2(), XmNheight, &height, nullptr);
    EXPECT_EQ(height, 553);

    // Start-up builds no dialog: each is built when first asked for.
    for (const char* name : {"snmp_config_dialog", "rpc_config_dialog", "cmip_config_dialog", "mis_config_dialog",
                             "object_browser", "names_dialog"})
        EXPECT_EQ(find_widget(name), nullptr) << name;
    snmp_mib_dialog();
    object_browser();
    del_obj_desc_dialog();
    cmip_del_entity_dialog();
    rpc_agent_dialog();
    names_dialog();

    const struct {
        const char* name;
        const char* title;
    } dialogs[] = {
        {"snmp_mib_dialog", "Add SNMP MIBs"},
        {"object_browser", "Object Browser"},
        {"del_obj_desc_dialog", "Delete Object Description"},
        {"cmip_del_entity_dialog", "Delete Entity"},
        {"rp_agent_dialog", "Add RPC Agents"},
        {"names_dialog", "Name Selection"},
    };
    for (const auto& dialog : dialogs) {
        Widget shell = find_widget(dialog.name);
        ASSERT_NE(shell, nullptr) << dialog.name;
        EXPECT_TRUE(XtIsShell(shell)) << dialog.name;
        EXPECT_EQ(shell_title(shell), dialog.title);
        EXPECT_FALSE(is_viewable(shell)) << dialog.name;
    }
    const struct {
        AgentConfigDialog* dialog;
        const char* title;
        const char* icon;
    } agents[] = {
        {snmp_config_dialog(), " SNMP Configuration", "SNMP Configuration"},
        {rpc_config_dialog(), " RPC Configuration", "RPC Configuration"},
        {cmip_config_dialog(), " CMIP Configuration", "CMIP Configuration"},
        {mis_config_dialog(), " MIS Configuration", "MIS Configuration"},
    };
    for (const auto& agent : agents) {
        EXPECT_FALSE(is_viewable(agent.dialog->shell())) << agent.title;
        EXPECT_EQ(shell_title(agent.dialog->shell()), agent.title);
        EXPECT_EQ(icon_name_of(agent.dialog->shell()), agent.icon);
    }
    EXPECT_NE(find_widget_in(find_widget("names_dialog"), "names_list"), nullptr);
    EXPECT_NE(find_widget_in(find_widget("del_obj_desc_dialog"), "del_list"), nullptr);
    EXPECT_NE(find_widget_in(find_widget("cmip_del_entity_dialog"), "cmip_del_list"), nullptr);
    EXPECT_NE(find_widget_in(find_widget("object_browser"), "mw_navigator_window"), nullptr);
}

// Create mode, with the -fd handshake: the program's name and a NUL are
// written to the descriptor, which is then closed.
TEST_F(Startup, CreateModeRetitlesRelabelsFocusesTheNameFieldAndAnswersTheHandshake)
{
    // The tool runs in this process; the server it starts must not hold the
    // pipe open, or the end of the handshake never shows.
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);
    start({"-fd", std::to_string(fds[1]), "-type", "Host", "-parent", "3"});
    char buffer[64] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0), std::string("qv_tolvar\0", 10));
    char more;
    EXPECT_EQ(read(fds[0], &more, 1), 0);
    close(fds[0]);
    EXPECT_TRUE(create_node);
    EXPECT_EQ(shell_title(root_widget), "Zentra - Create Object");
    EXPECT_EQ(label_of(object_config_tool->type_frame_label()), "Object Type");
    EXPECT_EQ(label_of(object_config_tool->prop_label()), "Detailed Properties");
    ASSERT_TRUE(give_focus(root_widget));
    EXPECT_TRUE(pump_until([] { return XmGetFocusWidget(root_widget) == object_config_tool->name_text_field(); }, 5))
        << (XmGetFocusWidget(root_widget) ? XtName(XmGetFocusWidget(root_widget)) : "none");
}

TEST_F(Startup, AgentModeMakesTheAgentDialogTheOnlyWindow)
{
    start({"-snmp", "-type", "Host"});
    EXPECT_TRUE(create_managed_obj);
    EXPECT_EQ(protocol_type, 4);
    ASSERT_EQ(root_widget, snmp_config_dialog()->shell());
    EXPECT_TRUE(XtIsRealized(root_widget));
    EXPECT_EQ(shell_title(root_widget), "SNMP Configuration");
    EXPECT_FALSE(is_viewable(object_config_tool->shell()));
    EXPECT_TRUE(node_list.empty());  // the type is the agent's object's, not one to create
    EXPECT_EQ(header, nullptr);
}

TEST_F(Startup, TitlesComeFromTheCatalogueWithVersionAndServer)
{
    qv::test::TempDir dir;
    dir.write_file("qv.msg", "$quote \"\n$set 23\n801 \"Katalog %s auf %s\"\n");
    qv::test::run_command({"gencat", dir.path() + "/qv.cat", dir.path() + "/qv.msg"});
    start({}, {{"NLSPATH", dir.path() + "/%N"}});
    EXPECT_EQ(shell_title(root_widget), "Katalog 4.0 auf " + qv::test::local_host_name());
    // Texts the catalogue lacks keep their built-in defaults.
    EXPECT_EQ(label_of(object_config_tool->prop_label()), "Detailed Properties for Selected Object");
}

}  // namespace
}  // namespace qv::gui

// Help buttons start the help viewer once and hand it later topics; a help
// file that cannot be found is reported on standard error.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <string>
#include <unistd.h>

#include <X11/Xutil.h>

#include "HelpFile.hpp"
#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "help/HelpLauncher.hpp"
#include "help/HelpRecord.hpp"
#include "help/HelpRootProperty.hpp"
#include "help/XtHelp.hpp"
#include "support/TempDir.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

// The viewer window serving the tool, 0 until the viewer has registered.
Window viewer_window()
{
    HelpRecord record;
    HelpRootProperty property(display);
    return property.find(HelpRecord::kClientKey, record) ? record.window : 0;
}

int ignore_x_error(Display*, XErrorEvent*) { return 0; }

// The window's title; empty for a window that is gone.
std::string window_name(Window window)
{
    char* name = nullptr;
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler(ignore_x_error);
    const Status fetched = XFetchName(display, window, &name);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (!fetched || !name)
        return {};
    std::string text = name;
    XFree(name);
    return text;
}

// Children of this process running the help viewer.
int viewer_children()
{
    int count = 0;
    DIR* proc = opendir("/proc");
    while (dirent* entry = readdir(proc)) {
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string pid, comm, state;
        long parent = 0;
        if (stat >> pid >> comm >> state >> parent && parent == getpid() && comm == "(hyperhelp)")
            ++count;
    }
    closedir(proc);
    return count;
}

std::string topic_title(int number)
{
    HelpFile file;
    EXPECT_TRUE(file.load(tool_home() + "/help/qv_help.hlp")) << file.error();
    const HelpTopic* topic = file.find(number);
    return topic ? topic->title : "";
}

using Help = ToolTest;

TEST_F(Help, FirstHelpStartsTheViewerAndTheNextGoesToTheRunningOne)
{
    auto server = start_server(false);
    start_tool({}, server.get());
    ASSERT_NE(help, nullptr);

    activate(object_config_tool->help_button());
    const std::string main_title = "Help: " + topic_title(ObjectConfig::kHelpTopic);
    ASSERT_TRUE(pump_until([&] { return viewer_window() && window_name(viewer_window()) == main_title; }))
        << window_name(viewer_window());
    const long pid = help->viewer_pid();
    EXPECT_GT(pid, 0);

    activate(find_widget_in(snmp_config_dialog->shell(), "help_button"));
    const std::string snmp_title = "Help: " + topic_title(1340);
    EXPECT_TRUE(pump_until([&] { return window_name(viewer_window()) == snmp_title; }))
        << window_name(viewer_window());
    EXPECT_EQ(help->viewer_pid(), pid);
    EXPECT_EQ(viewer_children(), 1);

    HelpRootProperty property(display);
    EXPECT_EQ(property.read().size(), HelpRecord::kSize);  // one record, no second set-up

    help->terminate();
    EXPECT_TRUE(pump_until([&] { return help->viewer_pid() == 0; }));
    EXPECT_EQ(viewer_children(), 0);
}

TEST_F(Help, AViewerThatVanishedIsReplacedInItsRecord)
{
    auto server = start_server(false);
    start_tool({}, server.get());
    activate(object_config_tool->help_button());
    const std::string main_title = "Help: " + topic_title(ObjectConfig::kHelpTopic);
    ASSERT_TRUE(pump_until([&] { return viewer_window() && window_name(viewer_window()) == main_title; }));
    const long first_pid = help->viewer_pid();
    kill(static_cast<pid_t>(first_pid), SIGKILL);
    ASSERT_TRUE(pump_until([] { return help->viewer_pid() == 0; }));

    // The record still names the dead viewer's window: the send fails and a
    // new viewer (which may well get the same window id) takes it over.
    activate(object_config_tool->help_button());
    ASSERT_TRUE(pump_until([] { return help->viewer_pid() > 0; }));
    EXPECT_NE(help->viewer_pid(), first_pid);
    EXPECT_TRUE(pump_until([&] { return viewer_window() && window_name(viewer_window()) == main_title; }));
    EXPECT_EQ(viewer_children(), 1);
    HelpRootProperty property(display);
    EXPECT_EQ(property.read().size(), HelpRecord::kSize);
    help->terminate();
    EXPECT_TRUE(pump_until([] { return help->viewer_pid() == 0; }));
}

TEST_F(Help, TerminateWithoutAViewerSendsNothing)
{
    auto server = start_server(false);
    start_tool({}, server.get());
    XtHelp launcher;
    ASSERT_EQ(launcher.initialize(root_widget), 0);
    launcher.terminate();
    HelpRootProperty property(display);
    EXPECT_TRUE(property.read().empty());
    EXPECT_EQ(viewer_children(), 0);
}

TEST_F(Help, MissingHelpFileIsReportedOnStandardError)
{
    auto server = start_server(false);
    qv::test::TempDir empty_home;
    start_tool({}, server.get(), {{"QV_HOME", empty_home.path()}});
    testing::internal::CaptureStderr();
    activate(object_config_tool->help_button());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "showHelpOnTopic failed: Can't find help file qv_help.hlp\n");
    EXPECT_EQ(help->viewer_pid(), 0);
}

}  // namespace
}  // namespace qv::gui

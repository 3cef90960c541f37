// Help buttons start the help viewer once and hand it later topics; a help
// file that cannot be found is reported on standard error.
#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include <X11/IntrinsicP.h>

#include "HelpFile.hpp"
#include "ViewerWindow.hpp"
#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/Keyboard.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XmStr.hpp"
#include "gui/XtGlobals.hpp"
#include "help/HelpLauncher.hpp"
#include "help/HelpRecord.hpp"
#include "help/HelpRootProperty.hpp"
#include "help/XtHelp.hpp"
#include "main/LoginDialog.hpp"
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

TEST_F(Help, FirstHelpStartsTheViewerTheNextGoesToItAndAVanishedOneIsReplaced)
{
    start({});
    ASSERT_NE(help, nullptr);

    activate(object_config_tool->help_button());
    const std::string main_title = "Help: " + topic_title(ObjectConfig::kHelpTopic);
    ASSERT_TRUE(pump_until([&] { return viewer_window() && window_name(viewer_window()) == main_title; }))
        << window_name(viewer_window());
    const long pid = help->viewer_pid();
    EXPECT_GT(pid, 0);

    activate(find_widget_in(snmp_config_dialog()->shell(), "help_button"));
    const std::string snmp_title = "Help: " + topic_title(1340);
    EXPECT_TRUE(pump_until([&] { return window_name(viewer_window()) == snmp_title; }))
        << window_name(viewer_window());
    EXPECT_EQ(help->viewer_pid(), pid);
    EXPECT_EQ(viewer_children(), 1);

    HelpRootProperty property(display);
    EXPECT_EQ(property.read().size(), HelpRecord::kSize);  // one record, no second set-up

    // A viewer that vanished: the record still names its window, the send
    // fails and a new viewer (which may well get the same window id) takes
    // the record over.
    kill(static_cast<pid_t>(pid), SIGKILL);
    ASSERT_TRUE(pump_until([] { return help->viewer_pid() == 0; }));

    activate(object_config_tool->help_button());
    ASSERT_TRUE(pump_until([] { return help->viewer_pid() > 0; }));
    EXPECT_NE(help->viewer_pid(), pid);
    EXPECT_TRUE(pump_until([&] { return viewer_window() && window_name(viewer_window()) == main_title; }));
    EXPECT_EQ(viewer_children(), 1);
    EXPECT_EQ(property.read().size(), HelpRecord::kSize);
    help->terminate();
    EXPECT_TRUE(pump_until([] { return help->viewer_pid() == 0; }));
    EXPECT_EQ(viewer_children(), 0);
}

// Help in the login dialog shows the login topic and leaves the dialog up:
// the login goes on after it.
TEST_F(Help, LoginHelpShowsItsTopicAndLeavesTheDialogUp)
{
    server_ = start_server(true);
    bool still_up = false;
    on_widget("template", [&](Widget box) {
        activate(find_widget_in(box, "help_button"));
        const std::string title = "Help: " + topic_title(kLoginHelpTopic);
        EXPECT_TRUE(pump_until([&] { return viewer_window() && window_name(viewer_window()) == title; }))
            << window_name(viewer_window());
        still_up = is_viewable(box);
        set_text(find_widget_in(box, "login_text"), "admin");
        type_text(find_widget_in(box, "passwd_text"), "admin");
        activate(find_widget_in(box, "okay_button"));
    });
    start({});
    EXPECT_TRUE(still_up);
    EXPECT_TRUE(XtIsRealized(root_widget));
    login_help->terminate();
    EXPECT_TRUE(pump_until([] { return login_help->viewer_pid() == 0; }));
}

// The viewer itself, on the tool's display: paragraphs wrapped to the text's
// width, lines that begin with two blanks exactly as they stand, and a topic
// list that shows whole titles up to its widest, scrolling beyond.
TEST_F(Help, ViewerWrapsParagraphsOnlyAndFitsItsTopicList)
{
    start({});
    static char name[] = "hyperhelp";
    static char* argv[] = {name, nullptr};
    ViewerWindow viewer(1);
    viewer.create(display, 1, argv);
    XtRealizeWidget(viewer.shell());
    ViewerCommand command;
    command.kind = ViewerCommand::ShowTopic;
    command.file = tool_home() + "/help/qv_help.hlp";
    command.topic = kLoginHelpTopic;
    viewer.execute(command);
    settle();

    Widget text = find_widget_in(viewer.shell(), "topic_text");
    // A narrow window wraps the paragraphs again, to its new width; lines
    // that begin with two blanks are shown as they stand.
    XResizeWindow(display, XtWindow(viewer.shell()), 560, 400);
    pump_until([&] { return viewer.shell()->core.width == 560; });
    settle();
    Boolean wraps = True;
    XmRenderTable text_fonts = nullptr;
    XtVaGetValues(text, XmNwordWrap, &wraps, XmNrenderTable, &text_fonts, nullptr);
    EXPECT_FALSE(wraps) << "the text must not wrap the lines shown as they stand";
    std::istringstream shown(text_of(text));
    for (std::string line; std::getline(shown, line);)
        EXPECT_TRUE(line.rfind("  ", 0) == 0 || XmStringWidth(text_fonts, XmStr(line).get()) < text->core.width)
            << "wider than the text: " << line;

    HelpFile file;
    ASSERT_TRUE(file.load(command.file));
    Widget list = find_widget_in(viewer.shell(), "topic_list");
    Dimension list_width = 0;
    XtVaGetValues(list, XmNwidth, &list_width, nullptr);
    XmRenderTable fonts = nullptr;
    XtVaGetValues(list, XmNrenderTable, &fonts, nullptr);
    Dimension widest = 0;
    for (const HelpTopic& each : file.topics()) {
        XmStr title(each.title);
        widest = std::max(widest, XmStringWidth(fonts, title.get()));
    }
    if (widest < 320) {
        EXPECT_GT(list_width, widest);
    } else {
        Widget scroll_bar = nullptr;
        XtVaGetValues(XtParent(list), XmNhorizontalScrollBar, &scroll_bar, nullptr);
        EXPECT_TRUE(scroll_bar && XtIsManaged(scroll_bar)) << "titles wider than the list scroll";
    }
}

TEST_F(Help, MissingHelpFileIsReportedOnStandardErrorAndNoViewerIsEnded)
{
    qv::test::TempDir empty_home;
    start({}, {{"QV_HOME", empty_home.path()}});
    testing::internal::CaptureStderr();
    activate(object_config_tool->help_button());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "showHelpOnTopic failed: Can't find help file qv_help.hlp\n");
    EXPECT_EQ(help->viewer_pid(), 0);

    // Ending a launcher that never started a viewer sends nothing.
    XtHelp launcher;
    ASSERT_EQ(launcher.initialize(root_widget), 0);
    launcher.terminate();
    EXPECT_TRUE(HelpRootProperty(display).read().empty());
    EXPECT_EQ(viewer_children(), 0);
}

}  // namespace
}  // namespace qv::gui

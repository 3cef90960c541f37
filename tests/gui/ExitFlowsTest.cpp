// The ways the running tool ends, and the rights it checks at start-up.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <Xm/MessageB.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "process/Rights.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

// Prints the error dialog's title and message on stderr, then presses OK.
void report_and_press_ok(Widget box)
{
    ++dialogs_seen;
    std::fprintf(stderr, "dialog \"%s\": %s\n", shell_title(box).c_str(), message_of(box).c_str());
    press_box_button(box, XmDIALOG_OK_BUTTON);
}

using AccessControl = ToolTest;

TEST_F(AccessControl, UserWithoutTheRightToRunIsToldSoAndTheProgramEnds)
{
    auto server = start_server(true);
    EXPECT_EXIT(
        {
            report_exit_status();
            answer_login("norun", "norun");
            on_widget("ErrorDialog", report_and_press_ok);
            start_tool({"-id", "10"}, server.get());
        },
        testing::ExitedWithCode(0),
        "dialog \"Object Properties: Error\": Not authorized to run Object Properties\n.*exit status 0");
}

TEST_F(AccessControl, CreateModeNeedsTheRightToCreateObjects)
{
    auto server = start_server(true);
    EXPECT_EXIT(
        {
            report_exit_status();
            answer_login("nocreate", "nocreate");
            on_widget("ErrorDialog", report_and_press_ok);
            start_tool({"-type", "Host"}, server.get());
        },
        testing::ExitedWithCode(0), "Not authorized to create objects\n.*exit status 0");
}

TEST_F(AccessControl, AgentModeWithATypeStillNeedsTheRightToCreateObjects)
{
    auto server = start_server(true);
    EXPECT_EXIT(
        {
            report_exit_status();
            answer_login("nocreate", "nocreate");
            on_widget("ErrorDialog", report_and_press_ok);
            start_tool({"-snmp", "-type", "Host"}, server.get());
        },
        testing::ExitedWithCode(0), "Not authorized to create objects\n.*exit status 0");
}

TEST_F(AccessControl, ConfigureModeRunsWithoutTheRightToCreateObjects)
{
    auto server = start_server(true);
    answer_login("nocreate", "nocreate");
    start_tool({}, server.get());
    EXPECT_EQ(create_objects_access, 0);
    EXPECT_EQ(modify_coordinates_access, 1);
    EXPECT_EQ(modify_desc_agent_type_status_access, 1);
    EXPECT_EQ(modify_bg_img_access, 1);
    EXPECT_TRUE(XtIsRealized(root_widget));
}

TEST_F(AccessControl, RightsAreReadIntoTheirFlags)
{
    auto server = start_server(true);
    answer_login("nocoord", "nocoord");
    start_tool({}, server.get());
    EXPECT_EQ(create_objects_access, 1);
    EXPECT_EQ(modify_coordinates_access, 0);
}

using ProgramEnd = ToolTest;

TEST_F(ProgramEnd, LosingTheServerSaysSoAndOkEndsWithStatusZero)
{
    auto server = start_server(false);
    EXPECT_EXIT(
        {
            report_exit_status();
            start_tool({"-id", "10"}, server.get());
            on_widget("ErrorDialog", report_and_press_ok);
            server->kill9();
            pump_until([] { return false; }, 60);
        },
        testing::ExitedWithCode(0),
        "dialog \"Object Properties: Error\": Platform has disconnected\n.*exit status 0, dialogs seen 1");
}

TEST_F(ProgramEnd, ClosingTheMainWindowEndsWithStatusZero)
{
    auto server = start_server(false);
    EXPECT_EXIT(
        {
            report_exit_status();
            start_tool({"-id", "10"}, server.get());
            send_wm_delete(root_widget);
            pump_until([] { return false; }, 60);
        },
        testing::ExitedWithCode(0), "exit status 0, dialogs seen 0");
}

TEST_F(ProgramEnd, CancelEndsWithStatusZero)
{
    auto server = start_server(false);
    EXPECT_EXIT(
        {
            report_exit_status();
            start_tool({}, server.get());
            activate(object_config_tool->cancel_button());
        },
        testing::ExitedWithCode(0), "exit status 0");
}

TEST_F(ProgramEnd, CancelOfTheAgentDialogEndsAgentMode)
{
    auto server = start_server(false);
    EXPECT_EXIT(
        {
            report_exit_status();
            start_tool({"-snmp"}, server.get());
            activate(find_widget_in(root_widget, "cancel_button"));
        },
        testing::ExitedWithCode(0), "exit status 0");
}

TEST_F(ProgramEnd, ClosingADialogInConfigureModeOnlyHidesIt)
{
    auto server = start_server(false);
    start_tool({}, server.get());
    Widget names = find_widget("names_dialog");
    ASSERT_NE(names, nullptr);
    Widget box = find_widget_in(names, "names_template");
    XtManageChild(box);
    ASSERT_TRUE(pump_until([&] { return XtIsRealized(names); }));
    send_wm_delete(names);
    EXPECT_TRUE(pump_until([&] { return !XtIsManaged(box); }));
}

}  // namespace
}  // namespace qv::gui

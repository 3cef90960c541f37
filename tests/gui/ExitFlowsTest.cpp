// The ways the running tool ends, and the rights it checks at start-up.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "process/Rights.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

struct Refusal {
    const char* name;
    const char* user;
    std::vector<std::string> args;
    const char* output;  // what stderr must match
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class AccessControl : public ToolTest, public testing::WithParamInterface<Refusal> {};

// A user without the right the mode needs is told so, and OK ends the program.
TEST_P(AccessControl, RefusedModeIsToldAndTheProgramEnds)
{
    const Refusal& r = GetParam();
    server_ = start_server(true);
    EXPECT_EXIT(
        {
            report_exit_status();
            answer_login(r.user, r.user);
            print_error_dialogs();
            start_tool(r.args, server_.get());
        },
        testing::ExitedWithCode(0), r.output);
}

INSTANTIATE_TEST_SUITE_P(
    Rights, AccessControl,
    testing::Values(Refusal{"Run", "norun", {"-id", "10"},
                            "dialog \"Object Properties: Error\": Not authorized to run Object Properties\n"
                            ".*exit status 0, dialogs seen 1"},
                    Refusal{"CreateMode", "nocreate", {"-type", "Host"},
                            "Not authorized to create objects\n.*exit status 0, dialogs seen 1"},
                    Refusal{"AgentModeWithAType", "nocreate", {"-snmp", "-type", "Host"},
                            "Not authorized to create objects\n.*exit status 0, dialogs seen 1"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

using ConfigureAccess = ToolTest;

TEST_F(ConfigureAccess, ConfigureModeRunsWithoutTheRightToCreateObjects)
{
    server_ = start_server(true);
    answer_login("nocreate", "nocreate");
    start({});
    EXPECT_EQ((std::vector<int>{create_objects_access, modify_coordinates_access,
                                modify_desc_agent_type_status_access, modify_bg_img_access}),
              (std::vector<int>{0, 1, 1, 1}));
    EXPECT_TRUE(XtIsRealized(root_widget));
}

// Closing the main window or an agent mode's dialog: the black-box and agent
// mode tests.
using ProgramEnd = ToolTest;

TEST_F(ProgramEnd, LosingTheServerSaysSoAndOkEndsWithStatusZero)
{
    server_ = start_server(false);
    EXPECT_EXIT(
        {
            report_exit_status();
            start_tool({"-id", "10"}, server_.get());
            print_error_dialogs();
            server_->kill9();
            pump_until([] { return false; }, 60);
        },
        testing::ExitedWithCode(0),
        "dialog \"Object Properties: Error\": Platform has disconnected\n.*exit status 0, dialogs seen 1");
}

TEST_F(ProgramEnd, CancelEndsWithStatusZero)
{
    server_ = start_server(false);
    EXPECT_EXIT(
        {
            report_exit_status();
            start_tool({}, server_.get());
            activate(object_config_tool->cancel_button());
        },
        testing::ExitedWithCode(0), "exit status 0, dialogs seen 0");
}

}  // namespace
}  // namespace qv::gui

// Agent mode: qv_tolvar -snmp or -rpc with -name HOST opens only that agent's
// dialog; OK writes the agent and ends the program, Cancel ends it writing
// nothing, and a host that does not resolve is refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

#include <Xm/Xm.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "platform/QvAgentDn.hpp"
#include "process/RunState.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

bool exists_on(const qv::test::TestServer& server, const std::string& dn)
{
    try {
        admin(server, {"dump", dn});
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

AgentConfigDialog* mode_dialog()
{
    return protocol_type == 4 ? static_cast<AgentConfigDialog*>(snmp_config_dialog) : rpc_config_dialog;
}

using AgentMode = ToolTest;

TEST_F(AgentMode, DialogShowsTheNamedHostWithoutRenamingTheApplication)
{
    auto server = start_server(false);
    start_tool({"-snmp", "-name", "localhost"}, server.get());
    EXPECT_EQ(text_of(find_widget_in(root_widget, "mo_name_text")), "localhost");
    EXPECT_EQ(text_of(find_widget_in(root_widget, "ip_address_text")), "127.0.0.1");
    // Only an agent is made: no object path to tie it to.
    EXPECT_FALSE(XtIsSensitive(find_widget_in(root_widget, "mo_fdn_text")));
    // -name is the tool's: the toolkit's application name stays the program's.
    String name = nullptr, app_class = nullptr;
    XtGetApplicationNameAndClass(display, &name, &app_class);
    EXPECT_STRNE(name, "localhost");
    EXPECT_STREQ(app_class, "QV_tolvar");
}

struct Ending {
    const char* flag;
    const char* button;
    bool stored;
};

// Names the case in ctest's list without the bytes of the struct.
void PrintTo(const Ending& e, std::ostream* os)
{
    *os << e.flag << ' ' << e.button;
}

class AgentModeEnding : public ToolTest, public testing::WithParamInterface<Ending> {};

TEST_P(AgentModeEnding, EndsWithStatusZeroHavingWrittenOnlyOnOk)
{
    const Ending& e = GetParam();
    auto server = start_server(false);
    const std::string flag = e.flag;
    const std::string dn = flag == "-snmp" ? QvSnmpAgentDn(server->system_name(), "localhost").to_string()
                                           : QvRpcAgentDn(server->system_name(), "localhost").to_string();
    EXPECT_EXIT(
        {
            report_exit_status();
            start_tool({e.flag, "-name", "localhost"}, server.get());
            activate(find_widget_in(mode_dialog()->shell(), e.button));
        },
        testing::ExitedWithCode(0), "exit status 0");
    ASSERT_EQ(exists_on(*server, dn), e.stored);
    if (!e.stored)
        return;
    if (flag == "-snmp") {
        EXPECT_EQ(stored(*server, dn, "transportAddress"), "127.0.0.1:161");
    } else {
        EXPECT_EQ(stored(*server, dn, "schemas"),
                  nlohmann::json::parse(R"([{"name": "RPC Proxy - ping", "host": "localhost"}])"));
    }
}

INSTANTIATE_TEST_SUITE_P(SnmpAndRpc, AgentModeEnding,
                         testing::Values(Ending{"-snmp", "ok_button", true}, Ending{"-snmp", "cancel_button", false},
                                         Ending{"-rpc", "ok_button", true}, Ending{"-rpc", "cancel_button", false}),
                         [](const testing::TestParamInfo<Ending>& info) {
                             return std::string(info.param.flag + 1) + (info.param.stored ? "Ok" : "Cancel");
                         });

TEST_F(AgentMode, UnresolvableSnmpHostIsRefusedAndNothingStored)
{
    auto server = start_server(false);
    const std::string dn = QvSnmpAgentDn(server->system_name(), "no-such-host.invalid").to_string();
    EXPECT_EXIT(
        {
            report_exit_status();
            answer_error_dialogs();
            start_tool({"-snmp", "-name", "no-such-host.invalid"}, server.get());
            activate(snmp_config_dialog->ok_button());
            // Refused: the dialog stays with what was typed.
            if (is_viewable(snmp_config_dialog->shell()))
                std::fprintf(stderr, "still open\n");
            for (const std::string& message : error_messages())
                std::fprintf(stderr, "error: %s\n", message.c_str());
            activate(snmp_config_dialog->cancel_button());
        },
        testing::ExitedWithCode(0),
        "still open\nerror: Can't determine IP Address for no-such-host.invalid\nexit status 0");
    EXPECT_FALSE(exists_on(*server, dn));
}

}  // namespace
}  // namespace qv::gui

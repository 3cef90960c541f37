// Agent mode: qv_tolvar -snmp, -rpc, -cmip or -mis with -name NAME opens only
// that agent's dialog; OK writes the agent and ends the program, Cancel ends
// it writing nothing, and a host that does not resolve is refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <utility>

#include <Xm/Xm.h>

#include "driver/AgentDriver.hpp"
#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "platform/QvAgentDn.hpp"
#include "process/RunState.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/MisConfig.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

AgentConfigDialog* mode_dialog()
{
    switch (protocol_type) {
    case PROTO_SNMP: return snmp_config_dialog();
    case PROTO_RPC: return rpc_config_dialog();
    case PROTO_MIS: return mis_config_dialog();
    default: return cmip_config_dialog();
    }
}

using AgentMode = ToolTest;

TEST_F(AgentMode, DialogShowsTheNamedHostWithoutRenamingTheApplication)
{
    start({"-snmp", "-name", "localhost"});
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
    const char* name;
    const char* button;
    const char* attribute;  // one OK stored, with its value as JSON; null: nothing stored
    const char* value;
};

// Names the case in ctest's list without the bytes of the struct.
void PrintTo(const Ending& e, std::ostream* os)
{
    *os << e.flag << ' ' << e.name << ' ' << e.button;
}

std::string agent_dn(const std::string& flag, const std::string& system, const std::string& name)
{
    if (flag == "-snmp")
        return QvSnmpAgentDn(system, name).to_string();
    if (flag == "-rpc")
        return QvRpcAgentDn(system, name).to_string();
    return QvCmipAgentDn(system, name).to_string();
}

class AgentModeEnding : public ToolTest, public testing::WithParamInterface<Ending> {};

TEST_P(AgentModeEnding, EndsWithStatusZeroHavingWrittenOnlyOnOk)
{
    const Ending& e = GetParam();
    server_ = start_server(false);
    const std::string dn = agent_dn(e.flag, server_->system_name(), e.name);
    EXPECT_EXIT(
        {
            report_exit_status();
            start_tool({e.flag, "-name", e.name}, server_.get());
            activate(find_widget_in(mode_dialog()->shell(), e.button));
        },
        testing::ExitedWithCode(0), "exit status 0");
    ASSERT_EQ(exists_on(*server_, dn), e.attribute != nullptr);
    if (e.attribute) {
        EXPECT_EQ(stored(*server_, dn, e.attribute), nlohmann::json::parse(e.value));
    }
}

// A MIS on a host that resolves without a name service; a new CMIP entity.
// Cancel is the dialogs' common one: once.
INSTANTIATE_TEST_SUITE_P(EachProtocol, AgentModeEnding,
                         testing::Values(Ending{"-snmp", "localhost", "ok_button", "transportAddress",
                                                R"("127.0.0.1:161")"},
                                         Ending{"-cmip", "osi-mode", "cancel_button", nullptr, nullptr},
                                         Ending{"-rpc", "localhost", "ok_button", "schemas",
                                                R"([{"name": "RPC Proxy - ping", "host": "localhost"}])"},
                                         Ending{"-cmip", "osi-mode", "ok_button", "agentAddressInfo", "\"{,,,}\""},
                                         Ending{"-mis", "127.0.0.2", "ok_button", "networkSap", "\"127.0.0.2:5555\""}),
                         [](const testing::TestParamInfo<Ending>& info) {
                             return std::string(info.param.flag + 1) + (info.param.attribute ? "Ok" : "Cancel");
                         });

TEST_F(AgentMode, UnresolvableSnmpHostIsRefusedAndNothingStored)
{
    server_ = start_server(false);
    const std::string dn = QvSnmpAgentDn(server_->system_name(), "no-such-host.invalid").to_string();
    EXPECT_EXIT(
        {
            report_exit_status();
            answer_error_dialogs();
            start_tool({"-snmp", "-name", "no-such-host.invalid"}, server_.get());
            activate(snmp_config_dialog()->ok_button());
            // Refused: the dialog stays with what was typed.
            if (is_viewable(snmp_config_dialog()->shell()))
                std::fprintf(stderr, "still open\n");
            for (const std::string& message : error_messages())
                std::fprintf(stderr, "error: %s\n", message.c_str());
            activate(snmp_config_dialog()->cancel_button());
        },
        testing::ExitedWithCode(0),
        "still open\nerror: Can't determine IP Address for no-such-host.invalid\nexit status 0");
    EXPECT_FALSE(exists_on(*server_, dn));
}

}  // namespace
}  // namespace qv::gui

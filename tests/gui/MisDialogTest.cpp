// The MIS dialog opened from the agent page, against the fixture: the
// server's own MIS is browsed, listed and never written, a MIS on another host is
// created as a CMIP agent entity, a host that does not resolve keeps the
// dialog open, and no default MIS is made while the server is edited.
#include <gtest/gtest.h>

#include <Xm/Xm.h>

#include "driver/AgentDriver.hpp"
#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/Table.hpp"
#include "platform/QvAgentDn.hpp"
#include "process/RunState.hpp"
#include "support/RunBinary.hpp"
#include "ui/AgentPage.hpp"
#include "ui/Browser.hpp"
#include "ui/MisConfig.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using MisDialog = ToolTest;
using nlohmann::json;

// A host that resolves without any name service, and is not the server's.
const std::string kRemote = "127.0.0.2";

void open_mis_dialog()
{
    show_page("agent_scroll");
    choose_protocol("mis_agent_button");
    open_dialog("add_button", mis_config_dialog());
}

TEST_F(MisDialog, ServersOwnMisIsListedUnwrittenAndAnotherHostsIsCreated)
{
    server_ = start_server(false);
    admin(*server_, {"set", node_dn(*server_, 17), "name", qv::test::local_host_name()});
    start({"-id", "16", "17"});
    open_mis_dialog();
    Widget host = mis_config_dialog()->combo().text_field();
    EXPECT_EQ(text_of(in(mis_config_dialog(), "mis_port_text")), "5555");

    // " Browser... " on the server's own MIS roots the browser at its
    // system; Add writes a node's path below it into the Object Path.
    set_text(host, server_name());
    activate(in(mis_config_dialog(), "mis_browser_button"));
    ASSERT_TRUE(pump_until([] { return is_viewable(object_browser()->shell()); }));
    const std::string system = "/systemId=name:\"" + server_name() + "\"";
    EXPECT_EQ(browser_parent, system);
    const std::string proxies = "/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}";
    Browser* node = find_album_object(system + proxies);
    ASSERT_TRUE(node && node->widget);
    activate(node->widget);
    activate(find_widget_in(object_browser()->shell(), "object_browser_add_btn"));
    EXPECT_EQ(text_of(in(mis_config_dialog(), "mis_fdn_text")), proxies);
    set_text(in(mis_config_dialog(), "mis_fdn_text"), "");

    set_text(host, "localhost");
    activate(mis_config_dialog()->ok_button());
    EXPECT_FALSE(is_viewable(mis_config_dialog()->shell()));
    ASSERT_EQ(agent_page->num_agents(), 1);
    EXPECT_EQ(table_row(agent_table, 0), (std::vector<std::string>{"MIS", server_name(), "<Default>"}));
    EXPECT_FALSE(exists_on(*server_, cmip_dn(*server_, "localhost")));
    EXPECT_FALSE(exists_on(*server_, cmip_dn(*server_, server_name())));

    // A host that does not resolve keeps the dialog; corrected, OK closes it.
    open_dialog("add_button", mis_config_dialog());
    set_text(host, "no-such-host.invalid");
    activate(mis_config_dialog()->ok_button());
    EXPECT_EQ(error_messages(), (std::vector<std::string>{"Invalid host name."}));
    EXPECT_TRUE(is_viewable(mis_config_dialog()->shell()));
    set_text(host, kRemote);
    activate(mis_config_dialog()->ok_button());
    EXPECT_FALSE(is_viewable(mis_config_dialog()->shell()));
    EXPECT_EQ(error_messages().size(), 1u);

    const std::string dn = cmip_dn(*server_, kRemote);
    EXPECT_EQ(stored(*server_, dn, "networkSap"), kRemote + ":5555");
    EXPECT_EQ(stored(*server_, dn, "agentAddressInfo"), "{,,," + kRemote + ":5555}");
    EXPECT_EQ(stored(*server_, dn, "managedObjects"), json::array({"/systemId=name:\"" + kRemote + "\""}));
    // The dialog's agent is the row's: the row now names the new host.
    ASSERT_EQ(agent_page->num_agents(), 1);
    EXPECT_EQ(table_row(agent_table, 0)[1], kRemote);

    // No default MIS while the server itself is among the objects edited.
    activate(page_widget("add_default_button"));
    EXPECT_EQ(error_messages().back(), "Cannot add default mis to " + server_name());
    EXPECT_EQ(agent_page->num_agents(), 1);
}

}  // namespace
}  // namespace qv::gui

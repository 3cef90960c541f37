// Create mode against the fixture: objects, links, buses and monitors
// prepared from the command line and created by Apply; what the server holds
// afterwards; the preparations that fail and end the program.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <Xm/MessageB.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "model/NodeList.hpp"
#include "process/RunState.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/Apply.hpp"
#include "ui/Header.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/ObjectPage.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/UserData.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using Strings = std::vector<std::string>;
using nlohmann::json;

Widget apply_button() { return object_config_tool->apply_button(); }

// The first field of the stored-data table of an attribute.
Widget stored_data_field(const std::string& attribute)
{
    for (const auto& table : object_page->user_data())
        if (table->name() == attribute)
            return find_widget_in(table->frame(), "attribute");
    return nullptr;
}

void print_error_dialogs()
{
    on_widget(
        "ErrorDialog",
        [](Widget box) {
            std::fprintf(stderr, "dialog: %s\n", message_lines(box).c_str());
            press_box_button(box, XmDIALOG_OK_BUTTON);
        },
        true);
}

json parents_of(const qv::test::TestServer& server, long number)
{
    return stored(server, std::to_string(number), "parents");
}

using CreateObject = ToolTest;

TEST_F(CreateObject, DeviceUnderAParentWithNameTypeAndStoredData)
{
    auto server = start_server(false);
    start_tool({"-type", "Router", "-parent", "3", "-name", "new-router"}, server.get());
    EXPECT_EQ(text_of(name_field()), "new-router");
    EXPECT_EQ(type_label(), "Router");
    EXPECT_FALSE(XtIsManaged(XtParent(name_list())));
    Widget contact = stored_data_field("contact");
    ASSERT_NE(contact, nullptr);
    set_text(contact, "Desk 7");
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server, "new-router");
    ASSERT_EQ(created.size(), 1u);
    const std::string id = std::to_string(created[0]);
    EXPECT_EQ(stored(*server, id, "typeName"), "Router");
    EXPECT_EQ(parents_of(*server, created[0]), json::array({node_dn(*server, 3)}));
    EXPECT_NE(stored(*server, id, "userData").dump().find("Desk 7"), std::string::npos);
    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/Lab/new-router"}));
    EXPECT_EQ(exit_tolvar, 1);
    EXPECT_EQ(apply_in_progress, 0);

    // Still create mode: a second Apply makes a second object.
    activate(apply_button());
    EXPECT_EQ(nodes_named(*server, "new-router").size(), 2u);
}

TEST_F(CreateObject, LinkBetweenTwoIdsIsNamedAfterItsEndsInTheSecondEndsView)
{
    auto server = start_server(false);
    start_tool({"-link", "10", "16"}, server.get());
    EXPECT_EQ(type_label(), "Link");
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server, "fx-router-fx-hub");
    ASSERT_EQ(created.size(), 1u);
    const std::string id = std::to_string(created[0]);
    EXPECT_EQ(stored(*server, id, "typeName"), "Link");
    EXPECT_EQ(stored(*server, id, "links"), json::array({node_dn(*server, 10), node_dn(*server, 16)}));
    EXPECT_EQ(parents_of(*server, created[0]), json::array({node_dn(*server, 3)}));
    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/Lab/fx-router-fx-hub"}));
}

TEST_F(CreateObject, BusWithTwoPointsIsCreatedThroughThem)
{
    auto server = start_server(false);
    start_tool({"-type", "Bus", "-parent", "3", "-name", "new-bus", "-bus_locations", "10:20:0", "30:40:0"},
               server.get());
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server, "new-bus");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(stored(*server, std::to_string(created[0]), "busLocations"),
              json::parse(R"([{"x": 10, "y": 20, "z": 0}, {"x": 30, "y": 40, "z": 0}])"));
}

TEST_F(CreateObject, MonitorBecomesTheParentOfItsVisibleChildren)
{
    auto server = start_server(false);
    start_tool({"-type", "Monitor", "-parent", "3", "-name", "new-monitor", "-visible_children", "21", "22", "23"},
               server.get());
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server, "new-monitor");
    ASSERT_EQ(created.size(), 1u);
    const std::string monitor = node_dn(*server, created[0]);
    for (long child : {21, 22, 23}) {
        const json parents = parents_of(*server, child);
        EXPECT_NE(std::find(parents.begin(), parents.end(), monitor), parents.end()) << child;
    }
}

TEST_F(CreateObject, ChildThatRefusesTheParentIsReportedOnceTheOthersTakeIt)
{
    auto server = start_server(false);
    answer_error_dialogs();
    // Lab (3) holds the new monitor: it cannot become the monitor's child too.
    start_tool({"-type", "Monitor", "-parent", "3", "-name", "new-monitor", "-visible_children", "21", "3", "23"},
               server.get());
    activate(apply_button());

    EXPECT_EQ(error_messages(), (Strings{"Adding parent failed."}));
    const std::vector<long> created = nodes_named(*server, "new-monitor");
    ASSERT_EQ(created.size(), 1u);
    const std::string monitor = node_dn(*server, created[0]);
    for (long child : {21, 23}) {
        const json parents = parents_of(*server, child);
        EXPECT_NE(std::find(parents.begin(), parents.end(), monitor), parents.end()) << child;
    }
    EXPECT_EQ(parents_of(*server, 3), json::array({node_dn(*server, 2)}));
    EXPECT_EQ(exit_tolvar, 1);
}

TEST_F(CreateObject, SeveralNamesEachGetAnEntryAndTheFirstIsCreatedAsAHost)
{
    auto server = start_server(false);
    start_tool({"-parent", "3", "-name", "host-a", "host-b", "host-c"}, server.get());
    EXPECT_EQ(type_label(), "Host");
    EXPECT_EQ(text_of(name_field()), "host-a host-b host-c");
    ASSERT_EQ(node_list.size(), 3u);
    EXPECT_EQ(list_items(name_list()), (Strings{"host-a", "host-b", "host-c"}));
    set_text(name_field(), "");
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server, "host-a");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(stored(*server, std::to_string(created[0]), "typeName"), "Host");
    EXPECT_TRUE(nodes_named(*server, "host-b").empty());
}

TEST_F(CreateObject, TypeWithAnAgentFlagOpensTheAgentDialogInstead)
{
    auto server = start_server(false);
    start_tool({"-snmp", "-type", "Host", "-parent", "3"}, server.get());
    EXPECT_EQ(root_widget, snmp_config_dialog->shell());
    EXPECT_TRUE(node_list.empty());
    EXPECT_EQ(header, nullptr);
}

using CreateRefused = ToolTest;

TEST_F(CreateRefused, NeitherParentNorLinkEndsWithTheUsage)
{
    auto server = start_server(false);
    EXPECT_EXIT(
        {
            report_exit_status();
            print_error_dialogs();
            start_tool({"-type", "Host", "-name", "orphan"}, server.get());
        },
        testing::ExitedWithCode(1), "dialog: Parent or peers must be set\nUsage: qv_tolvar .*exit status 1");
}

TEST_F(CreateRefused, LinkToADeletedObjectEndsWithTheUsage)
{
    auto server = start_server(false);
    admin(*server, {"delete", node_dn(*server, 16)});
    EXPECT_EXIT(
        {
            report_exit_status();
            print_error_dialogs();
            start_tool({"-link", "10", "16"}, server.get());
        },
        testing::ExitedWithCode(1), "dialog: Error creating link: object doesn't exist\nUsage: .*exit status 1");
}

TEST_F(CreateRefused, BusWithOnePointEndsWithTheUsage)
{
    auto server = start_server(false);
    EXPECT_EXIT(
        {
            report_exit_status();
            print_error_dialogs();
            start_tool({"-type", "Bus", "-parent", "3", "-bus_locations", "10:20:0"}, server.get());
        },
        testing::ExitedWithCode(1), "dialog: Must enter at least 2 points for bus\nUsage: .*exit status 1");
}

}  // namespace
}  // namespace qv::gui

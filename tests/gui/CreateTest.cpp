// Create mode against the fixture: objects, links, buses and monitors
// prepared from the command line and created by Apply; what the server holds
// afterwards; the preparations that fail and end the program.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "model/NodeList.hpp"
#include "ui/Apply.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/ObjectPage.hpp"
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

json parents_of(const qv::test::TestServer& server, long number)
{
    return stored(server, std::to_string(number), "parents");
}

using CreateObject = ToolTest;

TEST_F(CreateObject, DeviceUnderAParentWithNameTypeAndStoredData)
{
    start({"-type", "Router", "-parent", "3", "-name", "new-router"});
    EXPECT_EQ(text_of(name_field()), "new-router");
    EXPECT_EQ(type_label(), "Router");
    EXPECT_FALSE(XtIsManaged(XtParent(name_list())));
    Widget contact = stored_data_field("contact");
    ASSERT_NE(contact, nullptr);
    set_text(contact, "Desk 7");
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server_, "new-router");
    ASSERT_EQ(created.size(), 1u);
    const std::string id = std::to_string(created[0]);
    EXPECT_EQ(stored(*server_, id, "typeName"), "Router");
    EXPECT_EQ(parents_of(*server_, created[0]), json::array({node_dn(*server_, 3)}));
    EXPECT_NE(stored(*server_, id, "userData").dump().find("Desk 7"), std::string::npos);
    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/Lab/new-router"}));
    EXPECT_EQ(exit_tolvar, 1);
    EXPECT_EQ(apply_in_progress, 0);

    // Still create mode: a second Apply makes a second object.
    activate(apply_button());
    EXPECT_EQ(nodes_named(*server_, "new-router").size(), 2u);
}

TEST_F(CreateObject, LinkBetweenTwoIdsIsNamedAfterItsEndsInTheSecondEndsView)
{
    start({"-link", "10", "16"});
    EXPECT_EQ(type_label(), "Link");
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server_, "fx-router-fx-hub");
    ASSERT_EQ(created.size(), 1u);
    const std::string id = std::to_string(created[0]);
    EXPECT_EQ(stored(*server_, id, "typeName"), "Link");
    EXPECT_EQ(stored(*server_, id, "links"), json::array({node_dn(*server_, 10), node_dn(*server_, 16)}));
    EXPECT_EQ(parents_of(*server_, created[0]), json::array({node_dn(*server_, 3)}));
    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/Lab/fx-router-fx-hub"}));
}

TEST_F(CreateObject, BusWithTwoPointsIsCreatedThroughThem)
{
    start({"-type", "Bus", "-parent", "3", "-name", "new-bus", "-bus_locations", "10:20:0", "30:40:0"});
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server_, "new-bus");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(stored(*server_, std::to_string(created[0]), "busLocations"),
              json::parse(R"([{"x": 10, "y": 20, "z": 0}, {"x": 30, "y": 40, "z": 0}])"));
}

// A monitor becomes the parent of its visible children; a child that refuses
// is reported once, the others still take it.
TEST_F(CreateObject, MonitorBecomesTheParentOfTheChildrenThatTakeIt)
{
    // Lab (3) holds the new monitor: it cannot become the monitor's child too.
    start({"-type", "Monitor", "-parent", "3", "-name", "new-monitor", "-visible_children", "21", "3", "23"});
    activate(apply_button());

    EXPECT_EQ(error_messages(), (Strings{"Adding parent failed."}));
    const std::vector<long> created = nodes_named(*server_, "new-monitor");
    ASSERT_EQ(created.size(), 1u);
    const std::string monitor = node_dn(*server_, created[0]);
    for (long child : {21, 23}) {
        const json parents = parents_of(*server_, child);
        EXPECT_NE(std::find(parents.begin(), parents.end(), monitor), parents.end()) << child;
    }
    EXPECT_EQ(parents_of(*server_, 3), json::array({node_dn(*server_, 2)}));
    EXPECT_EQ(exit_tolvar, 1);
}

TEST_F(CreateObject, SeveralNamesEachGetAnEntryAndTheFirstIsCreatedAsAHost)
{
    start({"-parent", "3", "-name", "host-a", "host-b", "host-c"});
    EXPECT_EQ(type_label(), "Host");
    EXPECT_EQ(text_of(name_field()), "host-a host-b host-c");
    ASSERT_EQ(node_list.size(), 3u);
    EXPECT_EQ(list_items(name_list()), (Strings{"host-a", "host-b", "host-c"}));
    set_text(name_field(), "");
    activate(apply_button());

    const std::vector<long> created = nodes_named(*server_, "host-a");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(stored(*server_, std::to_string(created[0]), "typeName"), "Host");
    EXPECT_TRUE(nodes_named(*server_, "host-b").empty());
}

struct Refusal {
    const char* name;
    std::vector<std::string> args;
    const char* output;  // what stderr must match
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class CreateRefused : public ToolTest, public testing::WithParamInterface<Refusal> {};

// A preparation that fails says why, prints the usage and ends with status 1
// (every refusal's reason: the model's creation test).
TEST_P(CreateRefused, EndsWithTheUsage)
{
    server_ = start_server(false);
    admin(*server_, {"delete", node_dn(*server_, 16)});  // for the link
    EXPECT_EXIT(
        {
            report_exit_status();
            print_error_dialogs();
            start_tool(GetParam().args, server_.get());
        },
        testing::ExitedWithCode(1), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Preparations, CreateRefused,
    testing::Values(Refusal{"NeitherParentNorLink", {"-type", "Host", "-name", "orphan"},
                            "dialog \".*\": Parent or peers must be set\nUsage: qv_tolvar .*exit status 1"},
                    Refusal{"LinkToADeletedObject", {"-link", "10", "16"},
                            "dialog \".*\": Error creating link: object doesn't exist\nUsage: .*exit status 1"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv::gui

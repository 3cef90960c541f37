// Preparing new objects from command-line values against the real server:
// what is refused, and what a monitor and a device make of visible children.
// Links, buses and monitors made through Apply are checked on the tool
// itself (tests/gui/CreateTest.cpp).
#include "ModelFixture.hpp"

#include "model/NodeCreation.hpp"

namespace {

void prepare(const char* name, const char* parent, const char* link, const char* type,
             const char* children = "", const char* bus = "")
{
    add_new_node_to_list(RWCString(name), RWCString(parent), RWCString(link), RWCString(type),
                         RWCString(children), RWCString(bus));
}

}  // namespace

TEST_F(ModelFixture, CreationRefusesWhatCannotBeMade)
{
    prepare("x", "", "", "Host");
    prepare("x", "abc", "10 11", "Link");
    prepare("x", "", "10 99999", "Link");
    prepare("b", "3", "", "Bus", "", "1:2:3");
    prepare("b", "3", "", "Bus");
    prepare("m", "3", "", "Monitor", "21 nope");
    EXPECT_TRUE(node_list.empty());
    EXPECT_EQ(reports, (RWTValSlist<RWCString>{"Parent or peers must be set", "Invalid parent id",
                                               "Error creating link: object doesn't exist",
                                               "Must enter at least 2 points for bus",
                                               "Must enter at least 2 points for bus",
                                               "Error visible child: incorrect id"}));
}

TEST_F(ModelFixture, AMonitorKeepsItsVisibleChildrenAndADeviceIgnoresThem)
{
    header.type = "Monitor";
    prepare("new-monitor", "3", "", "Monitor", "21 22");
    ASSERT_EQ(node_list.size(), 1u) << (reports.empty() ? "" : reports.front());
    RWTValSlist<QvTopoNodeDn> visible;
    node_list.front().handle().get_monitor_visible_children(visible);
    EXPECT_EQ(visible, (RWTValSlist<QvTopoNodeDn>{node(21), node(22)}));

    node_list.clear();
    header.type = "Host";
    prepare("new-host", "3", "", "Host", "21 22");
    ASSERT_EQ(node_list.size(), 1u);
    visible.clear();
    node_list.front().handle().get_monitor_visible_children(visible);
    EXPECT_TRUE(visible.empty());
}

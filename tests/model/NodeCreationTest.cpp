// Preparing new objects, links and buses from command-line values, and
// creating them on the server the way Apply does.
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

TEST_F(ModelFixture, ALinkIsNamedAfterItsEndsAndLiesInTheSecondEndsParent)
{
    header.type = "Link";
    prepare("", "", "10 11", "Link");
    ASSERT_EQ(node_list.size(), 1u) << (reports.empty() ? "" : reports.front());
    EXPECT_EQ(node_list.front().get_name(), "fx-router-fx-switch");
    EXPECT_EQ(header.names, (RWTValSlist<RWCString>{"fx-router-fx-switch"}));
    QvTopoNode& handle = node_list.front().handle();
    RWTValSlist<QvTopoNodeDn> parents, ends;
    handle.get_parents(parents);
    handle.get_links(ends);
    EXPECT_EQ(parents, (RWTValSlist<QvTopoNodeDn>{node(3)}));
    EXPECT_EQ(ends, (RWTValSlist<QvTopoNodeDn>{node(10), node(11)}));
    ASSERT_TRUE(handle.create_with_all_attributes());
    EXPECT_TRUE(handle.get_dn().valid());
    EXPECT_TRUE(handle.destroy());
}

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

TEST_F(ModelFixture, ABusKeepsItsPointsAndAMonitorItsChildren)
{
    header.type = "Bus";
    prepare("new-bus", "3", "", "Bus", "", "1:2:3 40:50:0");
    ASSERT_EQ(node_list.size(), 1u);
    RWTValSlist<QvTopoNode::Location> points;
    node_list.front().handle().get_bus_logical_locations(points);
    EXPECT_EQ(points, (RWTValSlist<QvTopoNode::Location>{{1, 2, 3}, {40, 50, 0}}));

    node_list.clear();
    header.type = "Monitor";
    prepare("new-monitor", "3", "", "Monitor", "21 22");
    ASSERT_EQ(node_list.size(), 1u);
    RWTValSlist<QvTopoNodeDn> visible;
    node_list.front().handle().get_monitor_visible_children(visible);
    EXPECT_EQ(visible, (RWTValSlist<QvTopoNodeDn>{node(21), node(22)}));

    node_list.clear();
    header.type = "Host";
    prepare("new-host", "3", "", "Host", "21 22");  // children of a device are ignored
    ASSERT_EQ(node_list.size(), 1u);
    visible.clear();
    node_list.front().handle().get_monitor_visible_children(visible);
    EXPECT_TRUE(visible.empty());
}

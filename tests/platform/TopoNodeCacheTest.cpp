// A topology node's and an agent's attributes before anything is stored:
// what the tool sets is what it reads back, and values the server would
// refuse are refused here. Every attribute through the real server, and the
// attribute numbers: in TopologyServerTest.
#include <gtest/gtest.h>

#include "platform/QvAgents.hpp"
#include "platform/QvTopoNode.hpp"

TEST(TopoNodeAttributes, ParentsAndTheirLocationsAreKeptOncePerParent)
{
    QvTopoNode node(nullptr);
    const QvTopoNodeDn p1("vm", 1), p2("vm", 2);
    node.add_parent(p1);
    node.add_parent(p2);
    node.add_parent(p1);
    RWTValSlist<QvTopoNodeDn> parents;
    ASSERT_TRUE(node.get_parents(parents));
    EXPECT_EQ(parents, (RWTValSlist<QvTopoNodeDn>{p1, p2}));
    EXPECT_FALSE(node.add_parent(QvTopoNodeDn()));

    node.set_logical_location(p1, {10, 20, 0});
    node.set_logical_location(p2, {30, 40, 0});
    node.set_logical_location(p1, {11, 21, 5});
    QvTopoNode::Location l;
    ASSERT_TRUE(node.get_logical_location(p1, l));
    EXPECT_EQ(l, (QvTopoNode::Location{11, 21, 5}));
    ASSERT_TRUE(node.get_logical_location(p2, l));
    EXPECT_EQ(l, (QvTopoNode::Location{30, 40, 0}));
    EXPECT_FALSE(node.get_logical_location(QvTopoNodeDn("vm", 3), l));
    nlohmann::json raw;
    node.get_attribute("logicalLocations", raw);
    EXPECT_EQ(raw.size(), 2u);
}

TEST(AgentAttributes, RefusesValuesTheServerWouldRefuse)
{
    QvCmipAgent cmip(QvCmipAgentDn("vm", "e1"), nullptr);
    EXPECT_TRUE(cmip.set_name_translation("LDN"));
    EXPECT_FALSE(cmip.set_name_translation("XYZ"));
    EXPECT_TRUE(cmip.set_agent_address_tag(24));
    EXPECT_FALSE(cmip.set_agent_address_tag(9));
    QvSnmpAgent snmp(QvSnmpAgentDn("vm", "h"), nullptr);
    EXPECT_FALSE(snmp.set_transport_address(":161"));  // the host had no address
    EXPECT_TRUE(snmp.set_transport_address("10.0.0.5:1161"));
    EXPECT_FALSE(snmp.set_management_protocol(2));
}

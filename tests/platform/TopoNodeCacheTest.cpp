// A topology node's and an agent's attributes before anything is stored:
// what the tool sets is what it reads back, and values the server would
// refuse are refused here. Every attribute through the real server: in
// TopologyServerTest.
#include <gtest/gtest.h>

#include "platform/QvAgents.hpp"
#include "platform/QvTopoNode.hpp"

TEST(TopoNodeAttributes, NumbersTheToolReliesOn)
{
    EXPECT_STREQ(QvTopoNode::attribute_name(1), "name");
    EXPECT_STREQ(QvTopoNode::attribute_name(8), "parents");
    EXPECT_EQ(QvTopoNode::attribute_name(0), nullptr);
    EXPECT_EQ(QvTopoNode::attribute_name(QvTopoNode::AttrLast + 1), nullptr);

    const auto names = QvTopoNode::get_valid_attributes(0, 1);
    EXPECT_EQ(names.items(), (std::set<int>{QvTopoNode::AttrName, QvTopoNode::AttrTypeName}));
    EXPECT_EQ(QvTopoNode::get_valid_attributes(0, 0).items().size(), static_cast<std::size_t>(QvTopoNode::AttrLast));
}

TEST(TopoNodeAttributes, LogicalLocationIsKeptPerParent)
{
    QvTopoNode node(nullptr);
    const QvTopoNodeDn p1("vm", 1), p2("vm", 2);
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

TEST(TopoNodeAttributes, AddParentKeepsEachParentOnce)
{
    QvTopoNode node(nullptr);
    node.add_parent(QvTopoNodeDn("vm", 4));
    node.add_parent(QvTopoNodeDn("vm", 5));
    node.add_parent(QvTopoNodeDn("vm", 4));
    RWTValSlist<QvTopoNodeDn> parents;
    ASSERT_TRUE(node.get_parents(parents));
    EXPECT_EQ(parents, (RWTValSlist<QvTopoNodeDn>{QvTopoNodeDn("vm", 4), QvTopoNodeDn("vm", 5)}));
    EXPECT_FALSE(node.add_parent(QvTopoNodeDn()));
}

TEST(TopoNodeAttributes, StoringWithoutAServerFailsCleanly)
{
    QvTopoNode node(nullptr);
    node.set_name("router1");
    const QvStatus st = node.create_with_all_attributes();
    EXPECT_FALSE(st);
    EXPECT_EQ(st.code(), QvStatus::NotConnected);
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

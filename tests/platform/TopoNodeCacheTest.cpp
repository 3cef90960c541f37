// A topology node's attribute cache before anything is stored: what the
// object properties tool sets is what it reads back, and what it never
// loaded is reported as such.
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
    const auto all = QvTopoNode::get_valid_attributes(0, 0);
    EXPECT_EQ(all.items().size(), static_cast<std::size_t>(QvTopoNode::AttrLast));
    for (int a : all.items())
        EXPECT_NE(QvTopoNode::attribute_name(a), nullptr) << a;
}

TEST(TopoNodeAttributes, UnloadedAttributeIsReportedNotInvented)
{
    QvTopoNode node(nullptr);
    RWCString name = "unchanged";
    const QvStatus st = node.get_name(name);
    EXPECT_EQ(st.code(), QvStatus::NotLoaded);
    EXPECT_EQ(name, "unchanged");
    EXPECT_NE(st.text().find("name"), std::string::npos);
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

TEST(TopoNodeAttributes, DisplayAndLayoutValuesRoundTrip)
{
    QvTopoNode node(nullptr);
    node.set_geographical_location({-0.1275, 51.5072}, 0);
    node.set_is_severity_propagated(0);
    node.set_array_orientation(QvTopoNode::Vertical);
    node.set_array_cell_size({120, 30});
    node.set_monitor_rotation(90, 0);
    node.set_bus_logical_locations({{1, 2, 3}, {4, 5, 6}});

    QvTopoNode::GeoLocation geo;
    int flags = -1;
    ASSERT_TRUE(node.get_geographical_location(geo, flags));
    EXPECT_EQ(geo, (QvTopoNode::GeoLocation{-0.1275, 51.5072}));
    int propagated = 1;
    node.get_is_severity_propagated(propagated);
    EXPECT_EQ(propagated, 0);
    QvTopoNode::ArrayOrientation orientation = QvTopoNode::Horizontal;
    node.get_array_orientation(orientation);
    EXPECT_EQ(orientation, QvTopoNode::Vertical);
    QvTopoNode::ArrayCellSize size;
    node.get_array_cell_size(size);
    EXPECT_EQ(size.width, 120u);
    EXPECT_EQ(size.height, 30u);
    long rotation = 0;
    node.get_monitor_rotation(rotation, flags);
    EXPECT_EQ(rotation, 90);
    RWTValSlist<QvTopoNode::Location> bus;
    node.get_bus_logical_locations(bus);
    EXPECT_EQ(bus, (RWTValSlist<QvTopoNode::Location>{{1, 2, 3}, {4, 5, 6}}));
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

TEST(AgentAttributes, RpcSchemasAndMpaAddressRoundTrip)
{
    QvRpcAgent rpc(QvRpcAgentDn("vm", "h1"), nullptr);
    const RWTValSlist<QvRpcAgent::Schema> schemas{{"RPC Proxy - ping", "localhost"}, {"RPC Agent - disk", "h1"}};
    rpc.set_schemas(schemas);
    RWTValSlist<QvRpcAgent::Schema> back;
    ASSERT_TRUE(rpc.get_schemas(back));
    EXPECT_EQ(back, schemas);

    QvCmipAgent cmip(QvCmipAgentDn("vm", "e1"), nullptr);
    cmip.set_mpa_address_info("mpa1", 7000, 0);
    RWCString host;
    long port = 0;
    int use_default = 1;
    ASSERT_TRUE(cmip.get_mpa_address_info(host, port, use_default));
    EXPECT_EQ(host, "mpa1");
    EXPECT_EQ(port, 7000);
    EXPECT_EQ(use_default, 0);
}

// The model against the real server: what loading an object shows, and what
// writing the sections back stores.
#include "ModelFixture.hpp"

#include "agents/AgentMo.hpp"

namespace {

// What Apply does for one configured object, sections to handle to server.
QvStatus write_back(Node node)
{
    node.set_name();
    node.set_type();
    node.set_coordinates();
    node.set_background_properties();
    node.set_display_status();
    node.set_object_desc();
    node.set_agents();
    return node.handle().store_all_attributes();
}

RWTValSlist<RWCString> stored_user_data(const QvTopoNode& handle, const RWCString& name)
{
    RWTValSlist<QvTopoNode::UserDatum> data;
    handle.get_user_data(data);
    RWTValSlist<RWCString> values;
    for (const auto& d : data)
        if (d.name == name || (d.name.size() > name.size() && d.name.substr(d.name.size() - name.size()) == name))
            values.push_back(d.value.notation().str());
    return values;
}

}  // namespace

TEST_F(ModelFixture, LoadingARouterFillsEverySection)
{
    add_node_to_list(node(10));
    ASSERT_EQ(node_list.size(), 1u);
    EXPECT_EQ(node_list.front().get_name(), "fx-router");
    EXPECT_EQ(header.type, "Router");
    EXPECT_DOUBLE_EQ(coord.shown_geo.longitude, -0.1276);
    EXPECT_DOUBLE_EQ(coord.shown_geo.latitude, 51.5072);
    EXPECT_TRUE(stored.changed());

    const auto* interfaces = stored.find("interfaces");
    ASSERT_NE(interfaces, nullptr);
    EXPECT_EQ(interfaces->set, 1);
    EXPECT_EQ(interfaces->columns, (RWTValSlist<RWCString>{"ifName", "ifSpeed", "ifUp"}));
    EXPECT_EQ(interfaces->cells, (RWTValSlist<RWCString>{"eth0", "100", "TRUE", "eth1", "1000", "FALSE"}));
    EXPECT_EQ(interfaces->groups, 2);
    const auto* legacy = stored.find("Asset.tag");
    ASSERT_NE(legacy, nullptr);
    EXPECT_EQ(legacy->cells, (RWTValSlist<RWCString>{"FX-42"}));
    const auto* empty_int = stored.find("rackUnits");
    ASSERT_NE(empty_int, nullptr);
    EXPECT_EQ(empty_int->cells, (RWTValSlist<RWCString>{""}));
    EXPECT_TRUE(reports.empty()) << reports.front();
}

TEST_F(ModelFixture, AgentsOfEveryProtocolAreRecognised)
{
    add_node_to_list(node(10));
    ASSERT_EQ(agents.num_agents(), 4);
    EXPECT_EQ(agents.agent_at(0)->get_protocol(), PROTO_SNMP);
    EXPECT_TRUE(agents.agent_at(0)->is_default());
    EXPECT_EQ(agents.agent_at(1)->get_protocol(), PROTO_RPC);
    EXPECT_EQ(agents.agent_at(2)->get_protocol(), PROTO_CMIP);
    EXPECT_EQ(agents.agent_at(2)->get_name(), "fx-osi-1");
    EXPECT_EQ(agents.agent_at(3)->get_protocol(), PROTO_MIS);
    EXPECT_EQ(agents.agent_at(3)->get_name(), "fx-mis");
}

TEST_F(ModelFixture, WritingBackUnchangedKeepsAgentsAndStoredData)
{
    add_node_to_list(node(10));
    RWTValSlist<RWCString> agents_before;
    load(10).get_managed_objects(agents_before);
    const auto interfaces_before = stored_user_data(load(10), "interfaces");

    ASSERT_TRUE(write_back(node_list.front()));
    RWTValSlist<RWCString> agents_after;
    const QvTopoNode after = load(10);
    after.get_managed_objects(agents_after);
    EXPECT_EQ(agents_after, agents_before);
    EXPECT_EQ(stored_user_data(after, "interfaces"), interfaces_before);
    EXPECT_EQ(stored_user_data(after, "rackUnits"), (RWTValSlist<RWCString>{"0"}));
    EXPECT_EQ(stored_user_data(after, "managed"), (RWTValSlist<RWCString>{"FALSE"}));
    EXPECT_TRUE(reports.empty()) << reports.front();
}

TEST_F(ModelFixture, EditedCellsAndNameAreStored)
{
    add_node_to_list(node(16));  // fx-hub: no stored values
    for (auto& table : stored.shown)
        if (table.name == "contact")
            table.cells = {"Rack 7"};
    header.name_field = "fx-hub-renamed";
    ASSERT_TRUE(write_back(node_list.front()));
    const QvTopoNode after = load(16);
    RWCString name;
    after.get_name(name);
    EXPECT_EQ(name, "fx-hub-renamed");
    EXPECT_EQ(stored_user_data(after, "contact"), (RWTValSlist<RWCString>{"\"Rack 7\""}));
    header.name_field = "fx-hub";
    ASSERT_TRUE(write_back(node_list.front()));
}

TEST_F(ModelFixture, AValueTheSyntaxRefusesIsReportedAndLeftOut)
{
    add_node_to_list(node(16));
    for (auto& table : stored.shown)
        if (table.name == "contact")
            table.cells = {"say \"hi\""};
    ASSERT_TRUE(write_back(node_list.front()));
    EXPECT_EQ(reports, (RWTValSlist<RWCString>{"Invalid Data syntax"}));
}

TEST_F(ModelFixture, MonitorMembersAreShownAndReorderedByName)
{
    add_node_to_list(node(20));
    EXPECT_EQ(display.max_visible, 3);
    EXPECT_EQ(display.rotation, 30);
    EXPECT_EQ(display.monitor_shown, (RWTValSlist<RWCString>{"member-1", "member-2", "member-3"}));
    EXPECT_EQ(display.monitor_hidden, (RWTValSlist<RWCString>{"member-4", "member-5"}));

    display.monitor_shown = {"member-3", "member-1", "member-5"};
    display.monitor_hidden = {"member-2", "member-4"};
    ASSERT_TRUE(write_back(node_list.front()));
    RWTValSlist<QvTopoNodeDn> visible;
    load(20).get_monitor_visible_children(visible);
    EXPECT_EQ(visible, (RWTValSlist<QvTopoNodeDn>{node(23), node(21), node(25)}));

    display.monitor_shown = {"member-1", "member-2", "member-3"};
    ASSERT_TRUE(write_back(node_list.front()));
}

TEST_F(ModelFixture, EachObjectShowsTheDisplaySectionsOfItsOwnKind)
{
    add_node_to_list(node(10));  // a device: no view rows, no sections
    EXPECT_FALSE(display.view_controls);
    EXPECT_FALSE(display.monitor_section);
    EXPECT_FALSE(display.array_section);

    Node view;
    view.add_node(load(2));
    header.type = "Continent";
    view.get_display_status();
    EXPECT_TRUE(display.view_controls);

    Node array;
    array.add_node(load(30));
    header.type = "Array";
    display.array_section = true;  // as set_array shows it
    array.get_display_status();
    Node monitor;
    monitor.add_node(load(20));
    header.type = "Monitor";
    monitor.get_display_status();
    EXPECT_FALSE(display.array_section);
    EXPECT_FALSE(display.view_controls);  // background and map are a view's only
}

TEST_F(ModelFixture, ArrayMembersOfOneNameMapToDistinctObjects)
{
    add_node_to_list(node(30));
    EXPECT_EQ(display.orientation, QvTopoNode::Vertical);
    EXPECT_EQ(display.columns, 4u);
    EXPECT_EQ(display.array_shown, (RWTValSlist<RWCString>{"cell-a", "cell-a"}));
    display.array_shown = {"cell-a", "cell-c", "cell-a"};
    display.array_hidden = {};
    ASSERT_TRUE(write_back(node_list.front()));
    RWTValSlist<QvTopoNodeDn> visible;
    load(30).get_array_visible_children(visible);
    EXPECT_EQ(visible, (RWTValSlist<QvTopoNodeDn>{node(31), node(33), node(32)}));
    display.array_shown = {"cell-a", "cell-a"};
    display.array_hidden = {"cell-c"};
    ASSERT_TRUE(write_back(node_list.front()));
}

TEST_F(ModelFixture, ChangedCoordinatesAreWrittenRelativeToTheFirstParent)
{
    add_node_to_list(node(12));
    coord.shown = {120, 80, 0};
    coord.shown_geo = {2.35, 48.85};
    ASSERT_TRUE(write_back(node_list.front()));
    const QvTopoNode after = load(12);
    RWTValSlist<QvTopoNodeDn> parents;
    after.get_parents(parents);
    QvTopoNode::Location location;
    after.get_logical_location(parents.front(), location);
    EXPECT_EQ(location, (QvTopoNode::Location{120, 80, 0}));
    QvTopoNode::GeoLocation geo;
    int flags = 0;
    after.get_geographical_location(geo, flags);
    EXPECT_DOUBLE_EQ(geo.latitude, 48.85);
}

TEST_F(ModelFixture, AnObjectInTwoViewsHasTwoPathNames)
{
    QvTopoNode handle(platform_.get());
    handle.set_dn(node(11));
    const auto paths = get_topo_pathnames(handle);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_NE(paths[0], paths[1]);
    EXPECT_EQ(find_topo_nodes("twin"), (RWTValSlist<QvTopoNodeDn>{node(12), node(13)}));
    EXPECT_TRUE(find_topo_nodes("no such object").empty());
}

TEST_F(ModelFixture, RemovingTheLastObjectClearsAndCopiesItLater)
{
    add_node_to_list(node(16));
    int first = 0;
    remove_node_from_list(first);
    EXPECT_TRUE(node_list.empty());
    EXPECT_TRUE(stored.shown.empty());
    EXPECT_FALSE(display.monitor_section);
    add_new_node_to_list(RWCString("copy"));
    ASSERT_EQ(node_list.size(), 1u);
    EXPECT_EQ(node_list.front().get_name(), "copy");
}

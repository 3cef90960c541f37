// The topology side of the library against the real qv_server with the test
// fixture: lookups, path names, every node attribute stored and read back,
// stored data with its syntaxes, the metadata repository and the agents.
#include <gtest/gtest.h>

#include "ServerClient.hpp"
#include "platform/Image.hpp"
#include "platform/QvAgents.hpp"
#include "platform/QvTopoNode.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "platform/QvTopoType.hpp"

namespace {

class TopologyServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<qv::test::TestServer>(qv::test::fixture_options()); }
    static void TearDownTestSuite() { server_.reset(); }
    void SetUp() override
    {
        platform_ = ServerClient::connect(*server_);
        ASSERT_TRUE(QvTopoPlatform::initialize(*platform_, 1));
        topo_ = QvTopoPlatform::instance();
    }
    QvTopoNodeDn dn(long id) const { return QvTopoNodeDn(server_->system_name(), id); }
    QvTopoNode loaded(const QvTopoNodeDn& name)
    {
        QvTopoNode node(platform_.get());
        node.set_dn(name);
        EXPECT_TRUE(node.load_all_attributes());
        return node;
    }
    RWTValSlist<QvTopoNode::UserDatum> user_data(long id)
    {
        RWTValSlist<QvTopoNode::UserDatum> data;
        EXPECT_TRUE(loaded(dn(id)).get_user_data(data));
        return data;
    }

    static inline std::unique_ptr<qv::test::TestServer> server_;
    std::unique_ptr<Platform> platform_;
    QvTopoPlatform* topo_ = nullptr;
};

}  // namespace

TEST_F(TopologyServer, FindsNodesByNameAndEveryPathToThem)
{
    RWTValSlist<QvTopoNodeDn> nodes;
    ASSERT_TRUE(topo_->find_nodes_by_name("twin", {}, nodes));
    EXPECT_EQ(nodes, (RWTValSlist<QvTopoNodeDn>{dn(12), dn(13)}));
    ASSERT_TRUE(topo_->find_nodes_by_name("twin", {server_->system_name()}, nodes));
    EXPECT_EQ(nodes, (RWTValSlist<QvTopoNodeDn>{dn(12), dn(13)}));
    ASSERT_TRUE(topo_->find_nodes_by_name("no such name", {}, nodes));
    EXPECT_TRUE(nodes.empty());

    RWTValSlist<RWCString> paths;
    ASSERT_TRUE(loaded(dn(11)).get_topology_pathnames(paths));
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (RWTValSlist<RWCString>{"Root/Europe/Lab/fx-switch", "Root/Europe/fx-switch"}));
}

TEST_F(TopologyServer, NamesOnlyLoadsJustNameAndTypeAndSaysWhatWasNotLoaded)
{
    QvTopoNode node(platform_.get());
    node.set_dn(dn(10));
    ASSERT_TRUE(node.load_some_attributes(QvTopoNode::get_valid_attributes(0, 1)));
    RWCString name, type;
    EXPECT_TRUE(node.get_name(name) && node.get_type_name(type));
    EXPECT_EQ(name + " " + type, "fx-router Router");
    RWTValSlist<QvTopoNodeDn> parents{dn(1)};
    const QvStatus st = node.get_parents(parents);
    EXPECT_EQ(st.code(), QvStatus::NotLoaded);
    EXPECT_NE(st.text().find("parents"), std::string::npos) << st.text();
    EXPECT_EQ(parents, (RWTValSlist<QvTopoNodeDn>{dn(1)}));  // not invented
}

TEST_F(TopologyServer, EveryNodeAttributeIsStoredReadBackChangedAndDestroyed)
{
    QvTopoNode node(platform_.get());
    node.set_name("all-attributes");
    node.set_type_name("Monitor");
    node.set_parents({dn(3), dn(2)});
    node.set_logical_location(dn(3), {15, 25, 0});
    node.set_logical_location(dn(2), {-5, 7, 0});
    node.set_geographical_location({-73.9857, 40.7484}, 0);
    node.set_is_severity_propagated(0);
    node.set_monitor_max_visible_children(2);
    node.set_monitor_rotation(45, 0);
    node.set_monitor_visible_children({dn(21)});
    node.set_monitor_hidden_children({dn(22), dn(23)});
    node.set_array_visible_children({dn(31)});
    node.set_array_hidden_children({dn(33)});
    node.set_array_orientation(QvTopoNode::Vertical);
    node.set_array_num_columns(3);
    node.set_array_cell_size({80, 30});
    node.set_view_background_image_filename("backgrounds/x.xpm");
    node.set_view_map_config_filename("mapdata/x.map");
    node.set_managed_objects({QvSnmpAgentDn(server_->system_name(), "fx-router").to_string()});
    node.set_links({dn(10), dn(11)});
    node.set_bus_logical_locations({{1, 2, 3}, {4, 5, 6}});
    node.set_user_data({{"contact", Morf(Syntax(DataUnit("contact"), *platform_), "\"desk 4\"")}});
    ASSERT_TRUE(node.create_with_all_attributes()) << node.create_with_all_attributes();
    ASSERT_TRUE(node.get_dn().valid());

    QvTopoNode back = loaded(node.get_dn());
    for (int a = QvTopoNode::AttrName; a <= QvTopoNode::AttrLast; ++a) {
        const char* name = QvTopoNode::attribute_name(a);
        nlohmann::json set, stored;
        ASSERT_TRUE(node.get_attribute(name, set)) << name;
        ASSERT_TRUE(back.get_attribute(name, stored)) << name;
        if (a == QvTopoNode::AttrUserData)
            EXPECT_EQ(stored[0].value("value", ""), "\"desk 4\"");
        else
            EXPECT_EQ(stored, set) << name;
    }
    QvTopoNode::Location l;
    ASSERT_TRUE(back.get_logical_location(dn(2), l));
    EXPECT_EQ(l, (QvTopoNode::Location{-5, 7, 0}));

    // A change is stored; what was not changed stays.
    back.set_name("renamed");
    ASSERT_TRUE(back.store_all_attributes());
    QvTopoNode again = loaded(node.get_dn());
    RWCString name;
    again.get_name(name);
    EXPECT_EQ(name, "renamed");
    RWTValSlist<QvTopoNodeDn> parents;
    ASSERT_TRUE(again.get_parents(parents));
    EXPECT_EQ(parents, (RWTValSlist<QvTopoNodeDn>{dn(3), dn(2)}));

    EXPECT_TRUE(again.exists());
    ASSERT_TRUE(again.destroy());
    const QvStatus st = again.exists();
    EXPECT_FALSE(st);
    EXPECT_EQ(st.code(), QvStatus::NoSuchObject);
}

TEST_F(TopologyServer, TypesAnswerTheKindTests)
{
    RWTValSlist<QvTopoTypeDn> types;
    ASSERT_TRUE(topo_->find_all_types(types));
    EXPECT_EQ(types.size(), 51u);
    using Kind = bool (*)(const RWCString&);
    const std::pair<const char*, Kind> kinds[] = {
        {"Floor", &QvTopoType::is_view},     {"Router", &QvTopoType::is_device}, {"Monitor", &QvTopoType::is_monitor},
        {"Rack", &QvTopoType::is_array},     {"Link", &QvTopoType::is_link},     {"TokenRing", &QvTopoType::is_bus},
        {"Group", &QvTopoType::is_container},
    };
    for (const auto& [type, is_kind] : kinds)
        EXPECT_TRUE(is_kind(type)) << type;
    EXPECT_FALSE(QvTopoType::is_view("Router"));
    EXPECT_FALSE(QvTopoType::is_device("NoSuchType"));
}

TEST_F(TopologyServer, StoredDataIsWrittenByItsShortNameAndCheckedByItsSyntax)
{
    // A short name reaches the prefixed attribute, replaced in place.
    const Syntax level(DataUnit("supportLevel"), *platform_);
    ASSERT_TRUE(level.valid());
    QvTopoNode router = loaded(dn(10));
    ASSERT_TRUE(router.set_user_data({{"supportLevel", Morf(level, "critical")}}));
    ASSERT_TRUE(router.store_all_attributes());
    const auto data = user_data(10);
    ASSERT_EQ(data.size(), 8u);
    EXPECT_EQ(data[7].name, "Quorlan:supportLevel");
    EXPECT_EQ(data[7].value.get_str().str(), "critical");
    EXPECT_EQ(data[0].value.get_str().str(), "Lab desk");

    // The server refuses a value its syntax does not take, and nothing changes.
    router.set_attribute("userData", nlohmann::json::array({{{"name", "rackUnits"}, {"value", "\"four\""}}}));
    const QvStatus st = router.store_all_attributes();
    EXPECT_EQ(st.code(), QvStatus::InvalidValue);
    EXPECT_FALSE(st.text().empty());
    EXPECT_EQ(user_data(10).size(), 8u);
    // The library refuses it before sending.
    const Morf bad(Syntax(DataUnit("rackUnits"), *platform_), "\"four\"");
    EXPECT_FALSE(router.set_user_data({{"rackUnits", bad}}));
}

TEST_F(TopologyServer, MetadataRepositoryListsItsDocuments)
{
    Image mdr("/systemId=\"" + server_->system_name() + "\"/metaName=\"MDR\"", "", platform_.get());
    ASSERT_EQ(mdr.boot(), 1) << mdr.status();
    const std::string reply = mdr.call("getAllDocuments", "getAllDocuments").str();
    EXPECT_NE(reply.find("document \"IIMCRFC1213-MIB\""), std::string::npos) << reply;
    EXPECT_NE(reply.find("document \"RPC Proxy - ping\""), std::string::npos) << reply;
    Image missing("/systemId=name:\"nowhere\"/metaName=\"MDR\"", "", platform_.get());
    EXPECT_EQ(missing.boot(), 0);
    EXPECT_EQ(missing.status().code(), QvStatus::NoSuchObject);
}

TEST_F(TopologyServer, AgentsOfTheFixtureLoad)
{
    const std::string sys = server_->system_name();
    // The SNMP agent: the agent dialogs' test views it.
    QvRpcAgent rpc(QvRpcAgentDn(sys, "fx-router"), platform_.get());
    ASSERT_TRUE(rpc.load_all_attributes());
    RWTValSlist<QvRpcAgent::Schema> schemas;
    rpc.get_schemas(schemas);
    EXPECT_EQ(schemas.front(), QvRpcAgent::Schema("RPC Proxy - ping", "localhost"));

    QvCmipAgentDn entity;
    ASSERT_TRUE(topo_->managed_object_to_cmip_agent("/networkId=\"zentra-osi\"/managedElementId=\"fx-ne1\"", entity));
    EXPECT_EQ(entity.unique_name(), "fx-osi-1");
    EXPECT_EQ(Image(entity.to_string(), "", platform_.get()).get_str("agentId").str(), "id:\"fx-osi-1\"");

    const auto systems = topo_->system_names();
    ASSERT_GE(systems.size(), 2u);
    EXPECT_EQ(systems.front(), sys);
    EXPECT_EQ(topo_->local_system_name(), sys);
}

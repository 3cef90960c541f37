// Managed objects and topology requests against the real server: what a
// client reads, what the schemas refuse, and what a deletion cleans up.
// Finding nodes by name, the system names and the repository's documents
// are read through the client library in tests/platform.
#include <gtest/gtest.h>

#include "RawClient.hpp"
#include "SharedServerSuite.hpp"
#include "TestTopology.hpp"
#include "support/TestServer.hpp"

using nlohmann::json;
using qv::test::node_dn;
using qv::test::RawClient;
using qv::test::ServerOptions;
using qv::test::TestServer;
using qv::test::type_dn;

namespace {

const char* const kSystem = "topo";

class Topology : public qv::test::SharedServerSuite<Topology> {
public:
    static ServerOptions options() { return qv::test::small_topology_server(kSystem); }

protected:
    void SetUp() override
    {
        client_ = std::make_unique<RawClient>(server_->port());
        client_->hello();
    }
    static std::string node(long id) { return node_dn(kSystem, id); }
    json create_router(const std::string& name, long parent)
    {
        return client_->ok("create", {{"class", "topoNode"},
                                      {"attrs", {{"name", name}, {"typeName", "Router"}, {"parents", {node(parent)}}}}});
    }
    json set(const std::string& dn, const json& attrs) { return client_->request("set", {{"dn", dn}, {"attrs", attrs}}); }

    std::unique_ptr<RawClient> client_;
};

}  // namespace

TEST_F(Topology, LocalSystemHasItsFixedObjects)
{
    const json systems = client_->ok("derive", {{"derivation", "/*"}, {"album", 1}})["images"];
    ASSERT_EQ(systems.size(), 2u);
    EXPECT_EQ(systems[0]["dn"], "/systemId=name:\"topo\"");
    EXPECT_EQ(systems[1]["dn"], "/systemId=name:\"mis2\"");
    const json below = client_->ok("derive", {{"derivation", "/systemId=\"topo\"/*/CMISFilter(objectClass=agentTable)"},
                                              {"album", 2}})["images"];
    ASSERT_EQ(below.size(), 2u);
    EXPECT_EQ(below[0]["dn"], "/systemId=name:\"topo\"/agentTableType=\"CMIP\"");
    EXPECT_EQ(below[1]["dn"], "/systemId=name:\"topo\"/agentTableType=\"RPC\"");
    for (const char* dn : {"/systemId=name:\"topo\"/metaName=\"MDR\"",
                           "/systemId=name:\"topo\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"})
        EXPECT_TRUE(client_->ok("exists", {{"dn", dn}})["exists"]) << dn;
    EXPECT_EQ(client_->request("delete", {{"dn", "/systemId=name:\"topo\"/metaName=\"MDR\""}})["code"], 10);
}

TEST_F(Topology, RelativeDerivationIsBelowTheLocalSystem)
{
    const json agents = client_->ok("derive", {{"derivation", "agentTableType=\"CMIP\"/*"}, {"album", 3}})["images"];
    ASSERT_EQ(agents.size(), 1u);
    EXPECT_EQ(agents[0]["dn"], "/systemId=name:\"topo\"/agentTableType=\"CMIP\"/agentId=id:\"osi-1\"");
    EXPECT_EQ(agents[0]["class"], "cmipAgentEntity");
    EXPECT_EQ(client_->request("derive", {{"derivation", "/systemId=name:\"none\"/*"}, {"album", 4}})["code"], 3);
}

TEST_F(Topology, TypesCarryTheirKindsAndAttributes)
{
    const json types = client_->ok("topo.types")["types"];
    ASSERT_EQ(types.size(), 6u);
    const auto router = std::find_if(types.begin(), types.end(), [](const json& t) { return t["name"] == "Router"; });
    ASSERT_NE(router, types.end());
    EXPECT_EQ((*router)["dn"], type_dn(kSystem, "Router"));
    EXPECT_EQ((*router)["kinds"], json({"device"}));
    EXPECT_EQ((*router)["attributes"], json({"contact", "ports"}));
    const json syntaxes = client_->ok("syntax", {{"attributes", {"ports", "site", "unknown"}}})["syntaxes"];
    EXPECT_EQ(syntaxes.size(), 2u);
    EXPECT_EQ(syntaxes["ports"], "SET OF INTEGER");
}

TEST_F(Topology, PathnamesFollowEveryPathFromARootView)
{
    const json paths = client_->ok("topo.pathnames", {{"dn", node(4)}})["pathnames"];
    EXPECT_EQ(paths, json({"World/Europe/London/router1", "World/router1"}));
    EXPECT_EQ(client_->ok("topo.pathnames", {{"dn", node(1)}})["pathnames"], json({"World"}));
    EXPECT_EQ(client_->request("topo.pathnames", {{"dn", node(999)}})["code"], 3);
}

TEST_F(Topology, CmipAgentForFindsTheAgentOfAnObjectOrItsAncestor)
{
    const std::string agent = "/systemId=name:\"topo\"/agentTableType=\"CMIP\"/agentId=id:\"osi-1\"";
    EXPECT_EQ(client_->ok("topo.cmip_agent_for", {{"dn", "/networkId=\"n1\""}})["agent"], agent);
    EXPECT_EQ(client_->ok("topo.cmip_agent_for", {{"dn", "/networkId=\"n1\"/managedElementId=\"x\""}})["agent"],
              agent);
    EXPECT_EQ(client_->request("topo.cmip_agent_for", {{"dn", "/networkId=\"n2\""}})["code"], 3);
    // The agent id was filled in from its name.
    const json attrs = client_->ok("get", {{"dn", agent}})["attrs"];
    EXPECT_EQ(attrs["agentId"], "id:\"osi-1\"");
}

TEST_F(Topology, NewNodeGetsTheNextNumberAndDefaults)
{
    const std::string dn = create_router("fresh", 3)["dn"];
    EXPECT_EQ(dn.rfind(qv::test::system_dn(kSystem) + "/topoNodeId=", 0), 0u);
    EXPECT_GT(std::stol(dn.substr(dn.rfind('=') + 1)), 6);
    const json attrs = client_->ok("get", {{"dn", dn}})["attrs"];
    EXPECT_EQ(attrs["name"], "fresh");
    EXPECT_EQ(attrs["severityPropagated"], true);
    EXPECT_EQ(attrs["arrayCellSize"], json({{"width", 0}, {"height", 25}}));
    EXPECT_EQ(attrs["userData"], json::array());
    const json only = client_->ok("get", {{"dn", dn}, {"attrs", {"name", "typeName", "nonsense"}}})["attrs"];
    EXPECT_EQ(only, json({{"name", "fresh"}, {"typeName", "Router"}}));
}

TEST_F(Topology, StoredDataIsCheckedAgainstItsSyntax)
{
    const json good = set(node(5), {{"userData",
                                     json::array({{{"name", "ports"}, {"value", "{ 1, 2 ,3 }"}},
                                                  {{"name", "contact"}, {"value", "\"ops\""}}})}});
    EXPECT_EQ(good["ok"], true) << good.dump();
    // Stored in canonical notation, so that the same value written back compares equal.
    const json stored = client_->ok("get", {{"dn", node(5)}, {"attrs", {"userData"}}})["attrs"]["userData"];
    EXPECT_EQ(stored[0]["value"], "{1,2,3}");

    const json bad = set(node(5), {{"userData", json::array({{{"name", "ports"}, {"value", "{1, \"two\"}"}}})}});
    EXPECT_EQ(bad["code"], 6);
    EXPECT_NE(bad["error"].get<std::string>().find("Invalid value for ports (SET OF INTEGER)"), std::string::npos)
        << bad["error"];
    const json unknown = set(node(5), {{"userData", json::array({{{"name", "nosuch"}, {"value", "1"}}})}});
    EXPECT_EQ(unknown["code"], 6);
    EXPECT_NE(unknown["error"].get<std::string>().find("nosuch has no syntax"), std::string::npos);
}

TEST_F(Topology, NodeSchemaRefusesBadValues)
{
    const std::vector<json> bad = {
        {{"monitorRotation", 360}},
        {{"arrayOrientation", 2}},
        {{"geoLocation", {{"longitude", 200.0}, {"latitude", 0.0}}}},
        {{"name", "has \"quotes\""}},
        {{"severityPropagated", "yes"}},
        {{"typeName", "NoSuchType"}},
        {{"parents", {node(999)}}},
        {{"links", {"not a dn at all"}}},
        {{"colour", "red"}},
        {{"arrayCellSize", {{"width", -1}, {"height", 25}}}},
    };
    for (const auto& attrs : bad) {
        const json reply = set(node(5), attrs);
        EXPECT_EQ(reply["ok"], false) << attrs.dump();
        EXPECT_TRUE(reply["code"] == 6 || reply["code"] == 9) << attrs.dump() << " " << reply.dump();
    }
    EXPECT_EQ(client_->ok("get", {{"dn", node(5)}, {"attrs", {"name"}}})["attrs"]["name"], "router2");
}

TEST_F(Topology, ParentCyclesAndViewTypeChangesAreConflicts)
{
    const json cycle = set(node(1), {{"parents", {node(3)}}});
    EXPECT_EQ(cycle["code"], 10);
    EXPECT_NE(cycle["error"].get<std::string>().find("its own ancestor"), std::string::npos);
    EXPECT_EQ(set(node(2), {{"parents", {node(2)}}})["code"], 10);
    const json to_view = set(node(5), {{"typeName", "City"}});
    EXPECT_EQ(to_view["code"], 10);
    EXPECT_EQ(set(node(5), {{"typeName", "Switch"}})["ok"], true);
    EXPECT_EQ(set(node(5), {{"typeName", "Router"}})["ok"], true);
    EXPECT_EQ(client_->request("delete", {{"dn", type_dn(kSystem, "Router")}})["code"], 10);
}

TEST_F(Topology, CreateChecksNamesParentsAndDuplicates)
{
    const std::string table = "/systemId=name:\"topo\"/agentTableType=\"RPC\"";
    const std::string agent = table + "/agentId=id:\"hostX\"";
    const json schemas = json::array({{{"name", "RPC Proxy - ping"}, {"host", "localhost"}}});
    const json created = client_->request("create", {{"dn", agent}, {"class", "rpcProxyAgent"},
                                                     {"attrs", {{"schemas", schemas}}}});
    EXPECT_EQ(created["ok"], true) << created.dump();
    const std::pair<json, int> refused[] = {
        {{{"dn", agent}, {"class", "rpcProxyAgent"}}, 4},  // the same name again
        {{{"dn", "/systemId=name:\"topo\"/nowhere=\"x\"/agentId=id:\"y\""}, {"class", "rpcProxyAgent"}}, 3},
        {{{"dn", table + "/wrongId=\"z\""}, {"class", "rpcProxyAgent"}}, 9},
        {{{"dn", agent + "x"}, {"class", "rpcProxyAgent"}, {"attrs", {{"community", "x"}}}}, 6},
        {{{"class", "topoNode"}, {"attrs", {{"name", "typeless"}}}}, 6},
    };
    for (const auto& [params, code] : refused)
        EXPECT_EQ(client_->request("create", params)["code"], code) << params.dump();
    EXPECT_EQ(set(node(999), {{"name", "x"}})["code"], 3);
}

TEST_F(Topology, DeletingANodeRemovesItFromOtherNodes)
{
    const std::string victim = create_router("victim", 3)["dn"];
    const std::string member = create_router("member", 3)["dn"];
    ASSERT_EQ(set(member, {{"parents", {node(3), victim}},
                           {"logicalLocations", json::array({{{"parent", victim}, {"x", 1}, {"y", 1}, {"z", 0}},
                                                             {{"parent", node(3)}, {"x", 5}, {"y", 5}, {"z", 0}}})},
                           {"links", {victim, node(4)}}})["ok"],
              true);
    ASSERT_EQ(set(node(6), {{"monitorVisibleChildren", {node(4), victim}}})["ok"], true);

    const json deleted = client_->ok("delete", {{"dn", victim}})["deleted"];
    EXPECT_EQ(deleted, json({victim}));
    EXPECT_FALSE(client_->ok("exists", {{"dn", victim}})["exists"]);
    const json after = client_->ok("get", {{"dn", member}})["attrs"];
    EXPECT_EQ(after["parents"], json({node(3)}));
    EXPECT_EQ(after["links"], json({node(4)}));
    ASSERT_EQ(after["logicalLocations"].size(), 1u);
    EXPECT_EQ(after["logicalLocations"][0]["parent"], node(3));
    EXPECT_EQ(client_->ok("get", {{"dn", node(6)}})["attrs"]["monitorVisibleChildren"], json({node(4)}));
    EXPECT_EQ(client_->ok("topo.pathnames", {{"dn", member}})["pathnames"], json({"World/Europe/London/member"}));
}

TEST_F(Topology, AgentAttributesFollowTheirClass)
{
    const std::string snmp =
        "/systemId=name:\"topo\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}/cmipsnmpProxyAgentId=\"h9\"";
    EXPECT_EQ(client_->request("create", {{"dn", snmp}, {"class", "snmpProxyAgent"},
                                          {"attrs", {{"getCommunity", "gusset"}, {"transportAddress", "10.0.0.5:1161"},
                                                     {"supportedMibs", {"IIMCRFC1213-MIB"}},
                                                     {"managementProtocol", 1}}}})["ok"],
              true);
    EXPECT_EQ(set(snmp, {{"managementProtocol", 3}})["code"], 6);
    const std::string cmip = "/systemId=name:\"topo\"/agentTableType=\"CMIP\"/agentId=id:\"e2\"";
    EXPECT_EQ(client_->request("create", {{"dn", cmip}, {"class", "cmipAgentEntity"},
                                          {"attrs", {{"agentAddressTag", 24}, {"nameTranslation", "LDN"}}}})["ok"],
              true);
    EXPECT_EQ(set(cmip, {{"agentAddressTag", 9}})["code"], 6);
    EXPECT_EQ(set(cmip, {{"nameTranslation", "XDN"}})["code"], 6);
    const json dump = client_->ok("admin.dump", {{"dn", cmip}})["objects"];
    ASSERT_EQ(dump.size(), 1u);
    EXPECT_EQ(dump[0]["attrs"]["agentId"], "id:\"e2\"");
    EXPECT_EQ(client_->ok("admin.dump", {{"dn", cmip}, {"after", 0}})["total"], 1);
    // A change of one attribute leaves the others as they were.
    EXPECT_EQ(set(cmip, {{"agentId", "objectIdentifier:{1 2 3}"}})["ok"], true);
    EXPECT_EQ(set(cmip, {{"networkSap", "4900"}})["ok"], true);
    EXPECT_EQ(client_->ok("get", {{"dn", cmip}})["attrs"]["agentId"], "objectIdentifier:{1 2 3}");
    const std::string monitor = type_dn(kSystem, "Monitor");
    EXPECT_EQ(set(monitor, {{"attributes", {"contact"}}})["ok"], true);
    EXPECT_EQ(set(monitor, {{"kinds", {"monitor", "container"}}})["ok"], true);
    const json type = client_->ok("get", {{"dn", monitor}})["attrs"];
    EXPECT_EQ(type["attributes"], json({"contact"}));
    EXPECT_EQ(type["name"], "Monitor");
    EXPECT_EQ(set(monitor, {{"name", "Other"}})["code"], 6);
}

// The demo and the test fixture are well-formed topology documents
// (docs/topology-format.md) whose every reference resolves: types, node ids,
// stored-data values against their syntaxes, agent DNs, glyphs, pictures and
// maps in the share tree.
#include "DataPaths.hpp"
#include "protocol/Asn1.hpp"
#include "protocol/Dn.hpp"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

using namespace qv::datatest;
using nlohmann::json;

namespace {

const std::set<std::string> kKinds = {"view", "device", "monitor", "array", "link", "bus", "container"};
const std::set<std::string> kRights = {"RunObjectProperties", "CreateObjects", "ModifyCoordinates",
                                       "ModifyBackgroundImage", "ModifyDescrAgentTypeStatus", "Admin"};

bool has_kind(const json& type, const std::string& kind)
{
    for (const auto& k : type["kinds"])
        if (k == kind)
            return true;
    return false;
}

// The agent class the tool infers from a DN in a node's agent list.
std::string inferred_class(const std::string& dn)
{
    static const std::regex rpc("RPC\"/");
    static const std::regex mis("systemId=[a-zA-Z0-9]*:?\"");
    if (dn.find("snmpProxy") != std::string::npos)
        return "snmpProxyAgent";
    if (std::regex_search(dn, rpc))
        return "rpcProxyAgent";
    if (std::regex_search(dn, mis))
        return "mis";
    return "cmip";
}

class Document : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        doc_ = load_document(GetParam());
        for (const auto& t : doc_["types"])
            types_[t["name"]] = t;
        for (const auto& n : doc_["nodes"])
            nodes_[n["id"].get<long>()] = n;
    }
    // The system-relative DN made absolute, as the server stores it.
    static std::string stored(const std::string& dn)
    {
        return dn[0] == '/' ? dn : "/systemId=name:\"S\"/" + dn;
    }

    json doc_;
    std::map<std::string, json> types_;
    std::map<long, json> nodes_;
};

}  // namespace

TEST_P(Document, IsATopologyDocumentWithManyTypes)
{
    EXPECT_EQ(doc_["format"], "qv-topology");
    EXPECT_EQ(doc_["version"], 1);
    EXPECT_EQ(types_.size(), doc_["types"].size()) << "a type name is used twice";
    EXPECT_GE(types_.size(), 41u) << "the type menu must need two columns";
    EXPECT_EQ(nodes_.size(), doc_["nodes"].size()) << "a node id is used twice";
}

TEST_P(Document, DeclaresEveryTypeWithKindsSyntaxesAndAGlyph)
{
    for (const auto& [name, type] : types_) {
        EXPECT_EQ(name.find(' '), std::string::npos) << name;
        EXPECT_TRUE(is_regular_file(share_path("glyphs/" + name + ".pm"))) << name;
        for (const auto& kind : type["kinds"])
            EXPECT_TRUE(kKinds.count(kind)) << name << ": " << kind;
        for (const auto& attr : type["attributes"])
            EXPECT_TRUE(doc_["syntaxes"].contains(attr)) << name << ": " << attr;
    }
    for (const auto& [attr, text] : doc_["syntaxes"].items()) {
        std::string why;
        EXPECT_TRUE(qv::asn1::parse_type(text.get<std::string>(), &why)) << attr << ": " << why;
    }
    for (const char* needed : {"Host", "Link", "Array"})
        EXPECT_TRUE(types_.count(needed)) << needed << " is the tool's default of its kind";
}

TEST_P(Document, NodesReferToDeclaredTypesAndExistingNodes)
{
    for (const auto& [id, n] : nodes_) {
        ASSERT_TRUE(types_.count(n["type"])) << id;
        const json& type = types_[n["type"]];
        EXPECT_EQ(n.value("name", "").find('"'), std::string::npos) << id;
        std::vector<long> refs;
        for (const char* member : {"parents", "links"})
            for (const auto& r : n.value(member, json::array()))
                refs.push_back(r);
        for (const char* group : {"monitor", "array"})
            for (const char* list : {"visible", "hidden"})
                for (const auto& r : n.value(group, json::object()).value(list, json::array()))
                    refs.push_back(r);
        for (long r : refs)
            EXPECT_TRUE(nodes_.count(r)) << id << " refers to " << r;
        if (!n.contains("parents")) {
            EXPECT_TRUE(has_kind(type, "view")) << id << " is a root but not a view";
        }
        for (const auto& loc : n.value("locations", json::array())) {
            auto parents = n["parents"];
            EXPECT_NE(std::find(parents.begin(), parents.end(), loc["parent"]), parents.end()) << id;
        }
    }
}

TEST_P(Document, KindSpecificMembersSitOnNodesOfThatKind)
{
    for (const auto& [id, n] : nodes_) {
        const json& type = types_[n["type"]];
        if (n.contains("monitor")) {
            EXPECT_TRUE(has_kind(type, "monitor")) << id;
            EXPECT_LE(n["monitor"]["rotation"].get<int>(), 359) << id;
        }
        if (n.contains("array")) {
            EXPECT_TRUE(has_kind(type, "array")) << id;
        }
        if (n.contains("links")) {
            EXPECT_TRUE(has_kind(type, "link")) << id;
            EXPECT_EQ(n["links"].size(), 2u) << id;
        }
        if (n.contains("bus")) {
            EXPECT_TRUE(has_kind(type, "bus")) << id;
            EXPECT_GE(n["bus"].size(), 2u) << id;
        }
        if (n.contains("background") || n.contains("map")) {
            EXPECT_TRUE(has_kind(type, "view")) << id;
        }
    }
}

TEST_P(Document, BackgroundsAndMapsLieInTheShareTree)
{
    int views_with_maps = 0;
    for (const auto& [id, n] : nodes_) {
        for (const char* file : {"background", "map"})
            if (n.contains(file)) {
                EXPECT_TRUE(is_regular_file(share_path(n[file]))) << id << ": " << n[file];
            }
        views_with_maps += n.contains("background") && n.contains("map");
    }
    EXPECT_GE(views_with_maps, 1);
}

TEST_P(Document, StoredDataParsesAgainstTheTypesSyntaxes)
{
    for (const auto& [id, n] : nodes_) {
        const auto& attrs = types_[n["type"]]["attributes"];
        for (const auto& datum : n.value("user_data", json::array())) {
            const std::string name = datum["name"];
            EXPECT_NE(std::find(attrs.begin(), attrs.end(), name), attrs.end()) << id << ": " << name;
            auto type = qv::asn1::parse_type(doc_["syntaxes"][name].get<std::string>());
            ASSERT_TRUE(type) << name;
            std::string why;
            EXPECT_TRUE(qv::asn1::parse_value(type, datum["value"].get<std::string>(), &why))
                << id << ": " << name << " = " << datum["value"] << ": " << why;
        }
    }
}

TEST_P(Document, AgentDnsNameObjectsOfTheRightProtocol)
{
    std::map<std::string, std::string> classes;  // stored DN -> class
    std::set<std::string> cmip_managed;
    for (const auto& o : doc_["objects"]) {
        ASSERT_TRUE(qv::dn::parse(o["dn"].get<std::string>())) << o["dn"];
        classes[stored(o["dn"])] = o["class"];
        if (o["class"] == "cmipAgentEntity")
            for (const auto& m : o["attrs"]["managedObjects"])
                cmip_managed.insert(m);
    }
    std::set<std::string> systems;
    for (const auto& s : doc_.value("systems", json::array()))
        systems.insert("/systemId=name:\"" + s.get<std::string>() + "\"");
    for (const auto& [id, n] : nodes_)
        for (const auto& agent : n.value("agents", json::array())) {
            const std::string dn = stored(agent);
            ASSERT_TRUE(qv::dn::parse(dn)) << id << ": " << dn;
            // A MIS's entity also lists the MIS system: the system decides.
            std::string expected = cmip_managed.count(agent) ? "cmip" : "";
            for (const auto& [object, cls] : classes)
                if (dn.rfind(object, 0) == 0 && (cls == "snmpProxyAgent" || cls == "rpcProxyAgent"))
                    expected = cls;
            for (const auto& system : systems)
                if (dn.rfind(system, 0) == 0)
                    expected = "mis";
            EXPECT_FALSE(expected.empty()) << id << ": " << dn << " names no agent of the document";
            EXPECT_EQ(inferred_class(dn), expected) << id << ": " << dn;
        }
}

TEST_P(Document, ObjectsComeAfterTheirParents)
{
    std::set<std::string> known = {"/systemId=name:\"S\"", "/systemId=name:\"S\"/agentTableType=\"CMIP\"",
                                   "/systemId=name:\"S\"/agentTableType=\"RPC\"",
                                   "/systemId=name:\"S\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"};
    for (const auto& s : doc_.value("systems", json::array()))
        known.insert("/systemId=name:\"" + s.get<std::string>() + "\"");
    for (const auto& o : doc_["objects"]) {
        auto dn = qv::dn::parse(stored(o["dn"]));
        ASSERT_TRUE(dn);
        EXPECT_TRUE(known.count(qv::dn::format(qv::dn::parent(*dn)))) << o["dn"];
        known.insert(qv::dn::format(*dn));
    }
}

TEST_P(Document, UsersHaveKnownRights)
{
    std::set<std::string> names;
    for (const auto& u : doc_["users"]) {
        EXPECT_TRUE(names.insert(u["name"]).second) << u["name"];
        EXPECT_FALSE(u["password"].get<std::string>().empty());
        for (const auto& r : u["rights"])
            EXPECT_TRUE(kRights.count(r)) << u["name"] << ": " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(Data, Document,
                         ::testing::Values("data/demo/topology.json", "data/fixture/topology.json"),
                         [](const auto& info) { return std::string(info.index == 0 ? "Demo" : "Fixture"); });

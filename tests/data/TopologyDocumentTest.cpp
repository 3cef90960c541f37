// The demo and the test fixture as topology documents (docs/topology-format.md),
// in what the server's load leaves unchecked: unique names and ids, kinds and
// the members that go with them, glyphs, pictures and maps in the share tree,
// stored data only of a type's attributes. Unknown types, dangling references,
// values against their syntaxes, unknown rights and objects before their
// parents make the load itself fail (TopologyLoadTest).
#include "DataPaths.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace qv::datatest;
using nlohmann::json;

namespace {

bool has(const json& list, const json& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
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

    json doc_;
    std::map<std::string, json> types_;
    std::map<long, json> nodes_;
};

}  // namespace

TEST_P(Document, NamesAreUniqueAndEveryTypeHasKnownKindsSyntaxesAndAGlyph)
{
    static const std::set<std::string> kinds = {"view", "device", "monitor", "array", "link", "bus", "container"};
    EXPECT_EQ(types_.size(), doc_["types"].size()) << "a type name is used twice";
    EXPECT_GE(types_.size(), 41u) << "the type menu must need two columns";
    EXPECT_EQ(nodes_.size(), doc_["nodes"].size()) << "a node id is used twice";
    for (const auto& [name, type] : types_) {
        EXPECT_EQ(name.find(' '), std::string::npos) << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(share_path("glyphs/" + name + ".pm"))) << name;
        for (const auto& kind : type["kinds"])
            EXPECT_TRUE(kinds.count(kind)) << name << ": " << kind;
        for (const auto& attr : type["attributes"])
            EXPECT_TRUE(doc_["syntaxes"].contains(attr)) << name << ": " << attr;
    }
    for (const char* needed : {"Host", "Link", "Array"})
        EXPECT_TRUE(types_.count(needed)) << needed << " is the tool's default of its kind";
    std::set<std::string> users;
    for (const auto& u : doc_["users"]) {
        EXPECT_TRUE(users.insert(u["name"]).second) << u["name"];
        EXPECT_FALSE(u["password"].get<std::string>().empty()) << u["name"];
    }
}

TEST_P(Document, NodesCarryOnlyWhatTheirTypesKindsAllow)
{
    int views_with_maps = 0;
    for (const auto& [id, n] : nodes_) {
        ASSERT_TRUE(types_.count(n["type"])) << id;
        const json& kinds = types_[n["type"]]["kinds"];
        if (!n.contains("parents")) {
            EXPECT_TRUE(has(kinds, "view")) << id << " is a root but not a view";
        }
        for (const auto& loc : n.value("locations", json::array()))
            EXPECT_TRUE(has(n["parents"], loc["parent"])) << id << " has a location in a view it is not in";
        for (const char* member : {"monitor", "array"}) {
            if (n.contains(member)) {
                EXPECT_TRUE(has(kinds, member)) << id << ": " << member;
            }
        }
        if (n.contains("links")) {
            EXPECT_TRUE(has(kinds, "link")) << id;
            EXPECT_EQ(n["links"].size(), 2u) << id;
        }
        if (n.contains("bus")) {
            EXPECT_TRUE(has(kinds, "bus")) << id;
            EXPECT_GE(n["bus"].size(), 2u) << id;
        }
        for (const char* file : {"background", "map"}) {
            if (n.contains(file)) {
                EXPECT_TRUE(has(kinds, "view")) << id << ": " << file;
                EXPECT_TRUE(std::filesystem::is_regular_file(share_path(n[file]))) << id << ": " << n[file];
            }
        }
        views_with_maps += n.contains("background") && n.contains("map");
        for (const auto& datum : n.value("user_data", json::array()))
            EXPECT_TRUE(has(types_[n["type"]]["attributes"], datum["name"])) << id << ": " << datum["name"];
    }
    EXPECT_GE(views_with_maps, 1);
}

INSTANTIATE_TEST_SUITE_P(Data, Document,
                         ::testing::Values("data/demo/topology.json", "data/fixture/topology.json"),
                         [](const auto& info) { return std::string(info.index == 0 ? "Demo" : "Fixture"); });

// What the READMEs promise about the two documents: the fixture's ids, names
// and types (data/fixture/README.md), the demo's users, types and documents
// (data/demo/README.md). What the fixture's situations hold is asserted by
// the tests that use them.
#include "DataPaths.hpp"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

using namespace qv::datatest;
using nlohmann::json;

namespace {

std::set<std::string> as_set(const json& list)
{
    return std::set<std::string>(list.begin(), list.end());
}

}  // namespace

TEST(FixtureReadme, NamesEachNodeByItsIdNameAndType)
{
    const json doc = load_document("data/fixture/topology.json");
    std::map<long, json> nodes;
    for (const auto& n : doc["nodes"])
        nodes[n["id"].get<long>()] = n;
    static const std::regex row(R"(^\| (\d+) \| ([^|]+?) \| (\w+) \| .*\|$)");
    int rows = 0;
    for (const auto& line : read_lines(source_path("data/fixture/README.md"))) {
        std::smatch m;
        if (!std::regex_match(line, m, row))
            continue;
        ++rows;
        const long id = std::stol(m[1]);
        ASSERT_TRUE(nodes.count(id)) << line;
        EXPECT_EQ(nodes[id]["name"], m[2].str()) << line;
        EXPECT_EQ(nodes[id]["type"], m[3].str()) << line;
    }
    EXPECT_GE(rows, 12);
}

TEST(DemoReadme, UsersPasswordsTypesAndDocuments)
{
    const json doc = load_document("data/demo/topology.json");
    const std::string readme = read_file(source_path("data/demo/README.md"));
    std::map<std::string, std::set<std::string>> rights;
    for (const auto& u : doc["users"]) {
        rights[u["name"]] = as_set(u["rights"]);
        EXPECT_NE(readme.find("`" + u["password"].get<std::string>() + "`"), std::string::npos)
            << "password of " << u["name"] << " is not documented";
    }
    EXPECT_EQ(rights["admin"], (std::set<std::string>{"RunObjectProperties", "CreateObjects", "ModifyCoordinates",
                                                      "ModifyBackgroundImage", "ModifyDescrAgentTypeStatus",
                                                      "Admin"}));
    EXPECT_EQ(rights["viewer"], std::set<std::string>{"RunObjectProperties"});

    std::set<std::string> used;
    for (const auto& n : doc["nodes"])
        used.insert(n["type"]);
    EXPECT_GE(doc["types"].size(), 45u);
    for (const auto& t : doc["types"])
        EXPECT_TRUE(used.count(t["name"])) << t["name"] << " is used by no node";

    const auto documents = as_set(doc["documents"]);
    EXPECT_TRUE(documents.count("RPC Proxy - ping"));
    EXPECT_TRUE(documents.count("RPC Agent - disk"));
    EXPECT_EQ(doc["mib_directories"], json({"/usr/share/snmp/mibs"}));
}

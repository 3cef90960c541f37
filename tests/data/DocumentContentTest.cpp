// What tests and users are promised about the two documents: the fixture's
// ids and situations (data/fixture/README.md) and the demo's users and
// coverage (data/demo/README.md).
#include "DataPaths.hpp"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

using namespace qv::datatest;
using nlohmann::json;

namespace {

class Fixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc_ = load_document("data/fixture/topology.json");
        for (const auto& n : doc_["nodes"])
            nodes_[n["id"].get<long>()] = n;
    }
    json rights_of(const std::string& user) const
    {
        for (const auto& u : doc_["users"])
            if (u["name"] == user)
                return u["rights"];
        return nullptr;
    }
    json doc_;
    std::map<long, json> nodes_;
};

std::set<std::string> as_set(const json& list)
{
    return std::set<std::string>(list.begin(), list.end());
}

const std::set<std::string> kAll = {"RunObjectProperties", "CreateObjects", "ModifyCoordinates",
                                    "ModifyBackgroundImage", "ModifyDescrAgentTypeStatus", "Admin"};

}  // namespace

TEST_F(Fixture, ReadmeNamesEachNodeByItsIdNameAndType)
{
    static const std::regex row(R"(^\| (\d+) \| ([^|]+?) \| (\w+) \| .*\|$)");
    int rows = 0;
    for (const auto& line : read_lines(source_path("data/fixture/README.md"))) {
        std::smatch m;
        if (!std::regex_match(line, m, row))
            continue;
        ++rows;
        long id = std::stol(m[1]);
        ASSERT_TRUE(nodes_.count(id)) << line;
        EXPECT_EQ(nodes_[id]["name"], m[2].str()) << line;
        EXPECT_EQ(nodes_[id]["type"], m[3].str()) << line;
    }
    EXPECT_GE(rows, 12);
}

TEST_F(Fixture, HasTheFiveUsersWithTheirRights)
{
    EXPECT_EQ(as_set(rights_of("admin")), kAll);
    EXPECT_EQ(as_set(rights_of("viewer")), std::set<std::string>{"RunObjectProperties"});
    auto all_but = [](const std::string& missing) {
        auto s = kAll;
        s.erase(missing);
        return s;
    };
    EXPECT_EQ(as_set(rights_of("nocreate")), all_but("CreateObjects"));
    EXPECT_EQ(as_set(rights_of("nocoord")), all_but("ModifyCoordinates"));
    EXPECT_TRUE(rights_of("norun").empty());
    for (const auto& u : doc_["users"])
        EXPECT_EQ(u["password"], u["name"]);
}

TEST_F(Fixture, RouterHoldsStoredDataOfEveryShape)
{
    const json& router = nodes_[10];
    std::map<std::string, std::string> data;
    for (const auto& d : router["user_data"])
        data[d["name"]] = d["value"];
    const auto& syntaxes = doc_["syntaxes"];
    std::set<std::string> shapes;
    for (const auto& [name, value] : data) {
        std::string syntax = syntaxes[name];
        shapes.insert(syntax.rfind("SET OF SEQUENCE", 0) == 0 ? "set of records"
                      : syntax.rfind("SET OF", 0) == 0         ? "set of values"
                      : syntax.rfind("SEQUENCE", 0) == 0       ? "record"
                                                               : "simple");
    }
    EXPECT_EQ(shapes.size(), 4u);
    EXPECT_TRUE(data.count("aupcSIGNssetdotSIGNtag")) << "a legacy-named attribute";
    EXPECT_FALSE(data.count("rackUnits")) << "INTEGER left empty";
    EXPECT_FALSE(data.count("managed")) << "BOOLEAN left empty";
    EXPECT_EQ(syntaxes["rackUnits"], "INTEGER");
    EXPECT_EQ(syntaxes["managed"], "BOOLEAN");
}

TEST_F(Fixture, HoldsTheSituationsTheGuiTestsNeed)
{
    EXPECT_EQ(nodes_[11]["parents"].size(), 2u) << "an object in two views";
    EXPECT_EQ(nodes_[12]["name"], nodes_[13]["name"]) << "two objects of one name";
    const json& monitor = nodes_[20]["monitor"];
    EXPECT_EQ(monitor["max_visible"], 3);
    EXPECT_EQ(monitor["visible"].size() + monitor["hidden"].size(), 5u);
    const json& array = nodes_[30]["array"];
    EXPECT_EQ(array["orientation"], "vertical");
    EXPECT_EQ(array["columns"], 4);
    EXPECT_EQ(array["cell_width"], 0);
    EXPECT_EQ(array["cell_height"], 25);
    EXPECT_EQ(nodes_[31]["name"], nodes_[32]["name"]) << "array members of one name";
    EXPECT_EQ(nodes_[14]["links"], json({10, 11}));
    EXPECT_EQ(nodes_[15]["bus"].size(), 3u);
    EXPECT_TRUE(nodes_[2].contains("background") && nodes_[2].contains("map"));
    EXPECT_EQ(nodes_[10]["agents"].size(), 4u) << "one agent of each protocol";
}

TEST(Demo, UsesEveryTypeItDeclares)
{
    auto doc = load_document("data/demo/topology.json");
    std::set<std::string> used;
    for (const auto& n : doc["nodes"])
        used.insert(n["type"]);
    EXPECT_GE(doc["types"].size(), 45u);
    for (const auto& t : doc["types"])
        EXPECT_TRUE(used.count(t["name"])) << t["name"];
}

TEST(Demo, HasAReadOnlyAndAFullUserAsItsReadmeSays)
{
    auto doc = load_document("data/demo/topology.json");
    auto readme = read_file(source_path("data/demo/README.md"));
    std::map<std::string, std::set<std::string>> rights;
    for (const auto& u : doc["users"]) {
        rights[u["name"]] = as_set(u["rights"]);
        EXPECT_NE(readme.find("`" + u["password"].get<std::string>() + "`"), std::string::npos)
            << "password of " << u["name"] << " is not documented";
    }
    EXPECT_EQ(rights["admin"], kAll);
    EXPECT_EQ(rights["viewer"], std::set<std::string>{"RunObjectProperties"});
}

TEST(Demo, ListsRpcDocumentsAndTheDebianMibDirectory)
{
    auto doc = load_document("data/demo/topology.json");
    auto docs = as_set(doc["documents"]);
    EXPECT_TRUE(docs.count("RPC Proxy - ping"));
    EXPECT_TRUE(docs.count("RPC Agent - disk"));
    EXPECT_EQ(doc["mib_directories"], json({"/usr/share/snmp/mibs"}));
}

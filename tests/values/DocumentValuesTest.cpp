// The demo topology and the test fixture: every syntax they declare parses,
// and every stored value they hold reads against its attribute's syntax.
#include <gtest/gtest.h>

#include <fstream>

#include <nlohmann/json.hpp>

#include "protocol/Asn1.hpp"
#include "support/RunBinary.hpp"

using namespace qv::asn1;

namespace {

class DocumentValues : public testing::TestWithParam<const char*> {};

nlohmann::json load(const std::string& relative)
{
    std::ifstream in(qv::test::source_dir() + "/" + relative);
    EXPECT_TRUE(in) << relative;
    return nlohmann::json::parse(in, nullptr, false);
}

}  // namespace

TEST_P(DocumentValues, SyntaxesAndStoredValuesParse)
{
    const nlohmann::json document = load(GetParam());
    ASSERT_TRUE(document.is_object());
    std::map<std::string, TypePtr> types;
    const nlohmann::json syntaxes = document.value("syntaxes", nlohmann::json::object());
    for (const auto& [name, text] : syntaxes.items()) {
        std::string error;
        types[name] = parse_type(text.get<std::string>(), &error);
        EXPECT_TRUE(types[name]) << name << ": " << error;
    }
    int values = 0;
    const nlohmann::json nodes = document.value("nodes", nlohmann::json::array());
    for (const auto& node : nodes) {
        for (const auto& datum : node.value("user_data", nlohmann::json::array())) {
            const std::string name = datum.at("name");
            ASSERT_TRUE(types[name]) << "no syntax for " << name;
            std::string error;
            ValuePtr value = parse_value(types[name], datum.at("value").get<std::string>(), &error);
            EXPECT_TRUE(value) << name << " = " << datum.at("value") << ": " << error;
            ++values;
        }
    }
    EXPECT_GT(values, 0);
}

INSTANTIATE_TEST_SUITE_P(Topologies, DocumentValues,
                         testing::Values("data/demo/topology.json", "data/fixture/topology.json"));

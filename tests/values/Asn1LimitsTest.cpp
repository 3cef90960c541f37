// Hostile input: depth and size limits refuse it instead of exhausting the
// stack or the memory.
#include <gtest/gtest.h>

#include "protocol/Asn1.hpp"

using namespace qv::asn1;

namespace {

std::string nested_type(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "SET OF ";
    return text + "INTEGER";
}

}  // namespace

TEST(Asn1Limits, DeepSyntaxIsRefused)
{
    EXPECT_TRUE(parse_type(nested_type(kMaxDepth)));
    std::string error;
    EXPECT_FALSE(parse_type(nested_type(100000), &error));
    EXPECT_NE(error.find("longer than"), std::string::npos) << error;
    EXPECT_FALSE(parse_type(nested_type(kMaxDepth + 1), &error));
    EXPECT_NE(error.find("nested at most"), std::string::npos) << error;
}

TEST(Asn1Limits, DeepValueIsRefused)
{
    auto type = parse_type(nested_type(kMaxDepth));
    ASSERT_TRUE(type);
    std::string error;
    const std::string deep(100000, '{');
    EXPECT_FALSE(parse_value(type, deep, &error));
    EXPECT_FALSE(error.empty());

    // The lenient one-item lists recurse too; they stop at the same depth.
    EXPECT_TRUE(parse_value(type, "{1}", &error)) << error;
}

TEST(Asn1Limits, HugeValuesAreRefused)
{
    auto strings = parse_type("SET OF OCTET STRING");
    std::string error;
    EXPECT_FALSE(parse_value(strings, "\"" + std::string(kMaxValueText, 'x') + "\"", &error));
    EXPECT_NE(error.find("longer than"), std::string::npos) << error;

    std::string many = "{";
    for (std::size_t i = 0; i <= kMaxValueParts; ++i)
        many += i ? ",\"\"" : "\"\"";
    many += "}";
    ASSERT_LE(many.size(), kMaxValueText);
    EXPECT_FALSE(parse_value(strings, many, &error));
    EXPECT_NE(error.find("more than"), std::string::npos) << error;
}

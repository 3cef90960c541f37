// Syntax and Morf as the stored-data code of the tool uses them: classify an
// attribute by its syntax text, take its columns from the member names, and
// read a cell's text. Splitting stored values into cells is checked on that
// code itself (tests/model/StoredDataCodecTest.cpp).
#include <gtest/gtest.h>

#include <tuple>

#include "platform/Morf.hpp"
#include "platform/Syntax.hpp"

namespace {

std::string text_of(const Syntax& syntax)
{
    return syntax.expansion(0).get(0).str();
}

const char* const kHosts = "SET OF SEQUENCE { host OCTET STRING, port INTEGER }";
using Names = std::vector<std::string>;

}  // namespace

TEST(Syntax, CanonicalTextAndMemberNames)
{
    Syntax syntax = Syntax::from_text("SET OF SEQUENCE {host OCTET STRING,port INTEGER}");
    ASSERT_TRUE(syntax.valid());
    EXPECT_EQ(text_of(syntax), kHosts);
    EXPECT_EQ(syntax.expansion(2).get(0).str(), kHosts);
    EXPECT_TRUE(syntax.is_list());
    // A set has one member: its element, named by the element identifier.
    ASSERT_EQ(syntax.get_member_names(), Names{"element"});
    Syntax element = syntax.member("element");
    EXPECT_TRUE(element.is_list());
    EXPECT_EQ(element.get_member_names(), (Names{"host", "port"}));
    EXPECT_EQ(element.num_members(), 2);
    Syntax port = element.member("port");
    EXPECT_EQ(text_of(port), "INTEGER");
    EXPECT_EQ(port.name().str(), "port");
    EXPECT_FALSE(element.member("nothing").valid());
    EXPECT_EQ(Syntax::from_text("SET OF port INTEGER").get_member_names(), Names{"port"});

    Syntax plain = Syntax::from_text("DisplayString");
    EXPECT_FALSE(plain.is_list());
    EXPECT_TRUE(plain.get_member_names().empty());
    EXPECT_FALSE(Syntax::from_text("CHOICE { a INTEGER }").is_list());

    Syntax bad = Syntax::from_text("NOT A SYNTAX");
    EXPECT_FALSE(bad.valid());
    EXPECT_FALSE(bad.is_list());
    EXPECT_EQ(text_of(bad), "");
    EXPECT_TRUE(bad.get_member_names().empty());
    EXPECT_FALSE(Syntax().valid());
}

TEST(Morf, ParsesAgainstItsSyntaxOrSaysWhyNot)
{
    Syntax syntax = Syntax::from_text("SEQUENCE { name OCTET STRING, count INTEGER, on BOOLEAN }");
    Morf good(syntax, "{\"a\",12,TRUE}");
    ASSERT_TRUE(good.has_value()) << good.error().str();
    EXPECT_TRUE(good.is_list());
    EXPECT_EQ(good.notation().str(), "{\"a\",12,TRUE}");
    EXPECT_EQ(text_of(good.get_syntax()), text_of(syntax));

    Morf bad(syntax, "{\"a \"b\"\",12,TRUE}");
    EXPECT_FALSE(bad.has_value());
    EXPECT_NE(bad.error().str().find("position"), std::string::npos);
    EXPECT_FALSE(bad.is_list());
    EXPECT_TRUE(bad.split_array().empty());

    Morf no_syntax(Syntax(), "1");
    EXPECT_FALSE(no_syntax.has_value());
    EXPECT_FALSE(no_syntax.error().empty());
    EXPECT_FALSE(Morf().has_value());
}

// A cell shows a simple value without quotes or escapes.
TEST(Morf, GetStrIsTheTextOfACell)
{
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"OCTET STRING", "\"say \\\"hi\\\"\"", "say \"hi\""},
        {"DisplayString", "\"\"", ""},
        {"INTEGER", "+5", "5"},
        {"BOOLEAN", "true", "TRUE"},
        {"ENUMERATED { up(1) }", "1", "up"},
        {"SET OF INTEGER", "{ 1, 2 }", "{1,2}"},
        {"CHOICE { n INTEGER }", "n 1", "n : 1"},
    };
    for (const auto& [syntax, text, cell] : rows)
        EXPECT_EQ(Morf(Syntax::from_text(syntax), text).get_str(0).str(), cell) << syntax << " <- " << text;
}

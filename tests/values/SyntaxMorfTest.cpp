// Syntax and Morf as the stored-data code of the tool uses them: classify an
// attribute by its syntax text, take its columns from the member names, split
// stored values into cells, and parse the texts built from edited cells.
#include <gtest/gtest.h>

#include "platform/Morf.hpp"
#include "platform/Syntax.hpp"

namespace {

std::string text_of(const Syntax& syntax)
{
    return syntax.expansion(0).get(0).str();
}

const char* kHosts = "SET OF SEQUENCE { host OCTET STRING, port INTEGER }";

// The cells of a stored value, read the way the stored-data page reads them.
std::vector<std::string> cells_of(const Morf& value)
{
    std::vector<std::string> cells;
    if (!value.is_list())
        return {value.get_str(0).str()};
    const bool set = text_of(value.get_syntax()).find("SET OF") != std::string::npos;
    for (const Morf& element : value.split_array()) {
        const bool record = element.is_list() && text_of(element.get_syntax()).find("SET OF") == std::string::npos;
        if (set && record)
            for (const Morf& part : element.split_array())
                cells.push_back(part.get_str(0).str());
        else
            cells.push_back(element.get_str(0).str());
    }
    return cells;
}

}  // namespace

TEST(Syntax, FromTextGivesCanonicalExpansion)
{
    Syntax syntax = Syntax::from_text("SET OF SEQUENCE {host OCTET STRING,port INTEGER}");
    ASSERT_TRUE(syntax.valid());
    EXPECT_EQ(text_of(syntax), kHosts);
    EXPECT_EQ(syntax.expansion(2).get(0).str(), kHosts);
    EXPECT_TRUE(syntax.is_list());

    Syntax bad = Syntax::from_text("NOT A SYNTAX");
    EXPECT_FALSE(bad.valid());
    EXPECT_FALSE(bad.is_list());
    EXPECT_EQ(text_of(bad), "");
    EXPECT_TRUE(bad.get_member_names().empty());
    EXPECT_FALSE(Syntax().valid());
}

TEST(Syntax, MembersOfRecordsAndSets)
{
    Syntax record = Syntax::from_text("SEQUENCE { host OCTET STRING, port INTEGER }");
    EXPECT_EQ(record.get_member_names(), (std::vector<std::string>{"host", "port"}));
    EXPECT_EQ(record.num_members(), 2);
    Syntax port = record.member("port");
    ASSERT_TRUE(port.valid());
    EXPECT_EQ(text_of(port), "INTEGER");
    EXPECT_EQ(port.name().str(), "port");
    EXPECT_FALSE(record.member("nothing").valid());

    // A set has one member: its element, named by the element identifier.
    Syntax set = Syntax::from_text(kHosts);
    ASSERT_EQ(set.get_member_names(), (std::vector<std::string>{"element"}));
    Syntax element = set.member("element");
    EXPECT_TRUE(element.is_list());
    EXPECT_EQ(element.get_member_names(), (std::vector<std::string>{"host", "port"}));
    EXPECT_EQ(text_of(element.member("host")), "OCTET STRING");
    EXPECT_EQ(Syntax::from_text("SET OF port INTEGER").get_member_names(), (std::vector<std::string>{"port"}));

    Syntax plain = Syntax::from_text("DisplayString");
    EXPECT_FALSE(plain.is_list());
    EXPECT_TRUE(plain.get_member_names().empty());
    EXPECT_FALSE(Syntax::from_text("CHOICE { a INTEGER }").is_list());
}

TEST(Morf, ParsesAgainstItsSyntax)
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

TEST(Morf, GetStrOfSimpleValuesHasNoQuotes)
{
    EXPECT_EQ(Morf(Syntax::from_text("OCTET STRING"), "\"say \\\"hi\\\"\"").get_str(0).str(), "say \"hi\"");
    EXPECT_EQ(Morf(Syntax::from_text("DisplayString"), "\"\"").get_str().str(), "");
    EXPECT_EQ(Morf(Syntax::from_text("INTEGER"), "+5").get_str().str(), "5");
    EXPECT_EQ(Morf(Syntax::from_text("BOOLEAN"), "true").get_str().str(), "TRUE");
    EXPECT_EQ(Morf(Syntax::from_text("ENUMERATED { up(1) }"), "1").get_str().str(), "up");
    EXPECT_EQ(Morf(Syntax::from_text("SET OF INTEGER"), "{ 1, 2 }").get_str().str(), "{1,2}");
    EXPECT_EQ(Morf(Syntax::from_text("CHOICE { n INTEGER }"), "n 1").get_str().str(), "n : 1");
}

TEST(Morf, SplitSetOfRecordsIntoRecordsAndMembers)
{
    Morf value(Syntax::from_text(kHosts), "{{\"h1\",161},{\"h2\",162}}");
    ASSERT_TRUE(value.has_value());
    auto records = value.split_array();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[1].is_list());
    EXPECT_EQ(text_of(records[1].get_syntax()), "SEQUENCE { host OCTET STRING, port INTEGER }");
    auto members = records[1].split_array();
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].get_str().str(), "h2");
    EXPECT_EQ(members[1].get_str().str(), "162");
    EXPECT_EQ(text_of(members[1].get_syntax()), "INTEGER");
    EXPECT_EQ(members[1].get_syntax().name().str(), "port");
    EXPECT_FALSE(members[1].is_list());
    EXPECT_TRUE(members[1].split_array().empty());
}

TEST(Morf, StoredValuesReadAsCells)
{
    EXPECT_EQ(cells_of(Morf(Syntax::from_text(kHosts), "{{\"h1\",161},{\"h2\",162}}")),
              (std::vector<std::string>{"h1", "161", "h2", "162"}));
    EXPECT_EQ(cells_of(Morf(Syntax::from_text("SET OF OCTET STRING"), "{\"a\",\"b\",\"c\"}")),
              (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(cells_of(Morf(Syntax::from_text("SEQUENCE { host OCTET STRING, port INTEGER }"), "{\"h\",1}")),
              (std::vector<std::string>{"h", "1"}));
    EXPECT_EQ(cells_of(Morf(Syntax::from_text("OCTET STRING"), "\"plain\"")), (std::vector<std::string>{"plain"}));
}

// Texts built from edited cells: records with and without their own braces.
TEST(Morf, TextsBuiltFromCellsParse)
{
    EXPECT_TRUE(Morf(Syntax::from_text(kHosts), "{{\"h1\",161},{\"h2\",0}}").has_value());
    EXPECT_TRUE(Morf(Syntax::from_text("SET OF SET OF OCTET STRING"), "{\"a\",\"b\",\"c\",\"d\"}").has_value());
    EXPECT_TRUE(Morf(Syntax::from_text("SEQUENCE { a OCTET STRING, b OCTET STRING, c DisplayString }"),
                     "{\"x\",\"y\",\"\"}").has_value());
    EXPECT_TRUE(Morf(Syntax::from_text("SEQUENCE { n INTEGER, f BOOLEAN, s OCTET STRING }"), "{0,FALSE,\"\"}")
                    .has_value());
    EXPECT_TRUE(Morf(Syntax::from_text("SET OF INTEGER"), "{}").has_value());
    EXPECT_FALSE(Morf(Syntax::from_text("OCTET STRING"), "\"6\" screen\"").has_value());
}

// Value notation: the texts the tool builds, what the parser accepts beyond
// them, the canonical printing, and refusals with their reasons.
#include <gtest/gtest.h>

#include "protocol/Asn1.hpp"

using namespace qv::asn1;

namespace {

TypePtr type_of(const std::string& text)
{
    std::string error;
    TypePtr type = parse_type(text, &error);
    EXPECT_TRUE(type) << text << ": " << error;
    return type;
}

// The canonical text of a value, or "REFUSED: reason".
std::string reprint(const std::string& syntax, const std::string& text)
{
    std::string error;
    ValuePtr value = parse_value(type_of(syntax), text, &error);
    return value ? print_value(*value) : "REFUSED: " + error;
}

std::string refusal(const std::string& syntax, const std::string& text)
{
    std::string error;
    EXPECT_FALSE(parse_value(type_of(syntax), text, &error)) << syntax << " <- " << text;
    EXPECT_FALSE(error.empty());
    return error;
}

const char* kHosts = "SET OF SEQUENCE { host OCTET STRING, port INTEGER }";

}  // namespace

// Exactly the texts the tool writes for its attribute kinds.
TEST(Asn1Value, TextsTheToolBuildsParse)
{
    EXPECT_EQ(reprint("SEQUENCE { name OCTET STRING, count INTEGER, on BOOLEAN }", "{\"a\",12,TRUE}"),
              "{\"a\",12,TRUE}");
    EXPECT_EQ(reprint(kHosts, "{{\"h1\",161},{\"h2\",162}}"), "{{\"h1\",161},{\"h2\",162}}");
    EXPECT_EQ(reprint("SET OF INTEGER", "{1,2,3}"), "{1,2,3}");
    EXPECT_EQ(reprint("OCTET STRING", "\"x\""), "\"x\"");
    EXPECT_EQ(reprint("INTEGER", "0"), "0");
    EXPECT_EQ(reprint("BOOLEAN", "FALSE"), "FALSE");
    EXPECT_EQ(reprint("OCTET STRING", "\"\""), "\"\"");
    EXPECT_EQ(reprint("DisplayString", "\"free text\""), "\"free text\"");
    EXPECT_EQ(reprint("REAL", "0"), "0");
    EXPECT_EQ(reprint("ENUMERATED { up(1), down(2) }", "0"), "REFUSED: expected one of up(1), down(2) at position 1, found '0'");
}

TEST(Asn1Value, SimpleValues)
{
    EXPECT_EQ(reprint("INTEGER", "-42"), "-42");
    EXPECT_EQ(reprint("INTEGER", "+7"), "7");
    EXPECT_EQ(reprint("INTEGER", "007"), "7");
    EXPECT_EQ(reprint("REAL", "-1.5e3"), "-1.5e3");
    EXPECT_EQ(reprint("REAL", "+2.25"), "2.25");
    EXPECT_EQ(reprint("BOOLEAN", "true"), "TRUE");
    EXPECT_EQ(reprint("ENUMERATED { up(1), down(2) }", "down"), "down");
    EXPECT_EQ(reprint("ENUMERATED { up(1), down(2) }", "1"), "up");
    EXPECT_EQ(reprint("OCTET STRING", "\"a \\\"quoted\\\" word \\\\ here\""), "\"a \\\"quoted\\\" word \\\\ here\"");
    EXPECT_EQ(reprint("OCTET STRING", "\"line one\nline two\""), "\"line one\nline two\"");
}

TEST(Asn1Value, StringEscapesResolve)
{
    std::string error;
    auto value = parse_value(type_of("OCTET STRING"), "\"say \\\"hi\\\" C:\\dir\\\\x\"", &error);
    ASSERT_TRUE(value) << error;
    // \" and \\ are escapes; a lone backslash before anything else stays.
    EXPECT_EQ(value->text, "say \"hi\" C:\\dir\\x");
}

TEST(Asn1Value, RecordsByPositionOrByName)
{
    const char* record = "SEQUENCE { host OCTET STRING, port INTEGER, state ENUMERATED { up(1), down(2) } }";
    EXPECT_EQ(reprint(record, "{ \"h\" , 161 , up }"), "{\"h\",161,up}");
    EXPECT_EQ(reprint(record, "{host \"h\", port 161, state down}"), "{\"h\",161,down}");
    EXPECT_EQ(reprint(record, "{port 161, state up, host \"h\"}"), "{\"h\",161,up}");
    EXPECT_EQ(reprint(record, "{\"h\", state up, port 1}"), "{\"h\",1,up}");
    EXPECT_EQ(reprint(record, "\n{\n\t\"h\",\n161,\nup\n}\n"), "{\"h\",161,up}");
    EXPECT_EQ(reprint("SET { a BOOLEAN, b REAL }", "{b 1.5, a FALSE}"), "{FALSE,1.5}");
    // The reply of the metadata repository's getAllDocuments.
    EXPECT_EQ(reprint("SET OF SEQUENCE { document OCTET STRING }", "{{document \"IF-MIB\"},{document \"RPC Proxy - ping\"}}"),
              "{{\"IF-MIB\"},{\"RPC Proxy - ping\"}}");
}

TEST(Asn1Value, Choices)
{
    const char* choice = "CHOICE { name OCTET STRING, number INTEGER }";
    EXPECT_EQ(reprint(choice, "number : 3"), "number : 3");
    EXPECT_EQ(reprint(choice, "name:\"x\""), "name : \"x\"");
    EXPECT_EQ(reprint(choice, "name \"x\""), "name : \"x\"");
    EXPECT_NE(refusal(choice, "other : 3").find("expected an alternative of the CHOICE (name, number)"), std::string::npos);
    EXPECT_NE(refusal(choice, "number : \"3\"").find("whole number"), std::string::npos);
    EXPECT_EQ(reprint("SEQUENCE { via CHOICE { direct BOOLEAN, hops INTEGER }, cost INTEGER }", "{hops : 2, 5}"),
              "{hops : 2,5}");
}

TEST(Asn1Value, ListsAndNesting)
{
    EXPECT_EQ(reprint("SET OF INTEGER", "{}"), "{}");
    EXPECT_EQ(reprint("SEQUENCE OF OCTET STRING", "{ \"b\", \"a\" }"), "{\"b\",\"a\"}");
    EXPECT_EQ(reprint("SEQUENCE { name OCTET STRING, ports SET OF INTEGER }", "{\"r\", {1, 2}}"), "{\"r\",{1,2}}");
    EXPECT_EQ(reprint("SET OF SET OF INTEGER", "{{1,2},{},{3}}"), "{{1,2},{},{3}}");
}

// Where an element is itself a list, a simple value stands for a one-item
// list: the tool writes a set of sets without inner braces.
TEST(Asn1Value, SimpleValueStandsForOneItemList)
{
    EXPECT_EQ(reprint("SET OF SET OF OCTET STRING", "{\"a\",\"b\",\"c\",\"d\"}"), "{{\"a\"},{\"b\"},{\"c\"},{\"d\"}}");
    EXPECT_EQ(reprint("SET OF SEQUENCE { name OCTET STRING }", "{\"a\",{\"b\"}}"), "{{\"a\"},{\"b\"}}");
    EXPECT_EQ(reprint("SET OF SET OF SET OF INTEGER", "{1,{2}}"), "{{{1}},{{2}}}");
    EXPECT_NE(refusal(kHosts, "{\"h1\",161}").find("member 'port' is missing"), std::string::npos);
    // Only elements: a record or a list on its own still needs its braces.
    EXPECT_NE(refusal("SET OF INTEGER", "1").find("expected '{' to begin a list at position 1, found '1'"),
              std::string::npos);
}

TEST(Asn1Value, RoundTripsAreStable)
{
    const std::pair<const char*, const char*> cases[] = {
        {kHosts, "{ {host \"a\\\\b\", port -1}, {\"q\\\"uote\", 0} }"},
        {"SEQUENCE { a REAL, b BOOLEAN, c ENUMERATED { x, y } }", "{ 1e-3, false, 1 }"},
        {"CHOICE { s SET OF CHOICE { i INTEGER, t OCTET STRING }, n INTEGER }", "s : {i:1, t \"two\"}"},
        {"SET OF SET OF OCTET STRING", "{\"a\", {\"b\", \"c\"}}"},
    };
    for (const auto& [syntax, text] : cases) {
        const std::string once = reprint(syntax, text);
        ASSERT_EQ(once.find("REFUSED"), std::string::npos) << once;
        EXPECT_EQ(reprint(syntax, once), once) << syntax;
    }
}

TEST(Asn1Value, RefusalsSayWhereAndWhy)
{
    // An unescaped double quote inside a quoted value, as the tool writes it
    // when a cell holds one.
    EXPECT_EQ(refusal("OCTET STRING", "\"say \"hi\"\""), "expected the end of the value at position 7, found 'hi'");
    EXPECT_EQ(refusal("SEQUENCE { a OCTET STRING, b INTEGER }", "{\"say \"hi\"\",1}"),
              "expected ',' or '}' at position 8, found 'hi'");
    EXPECT_NE(refusal("OCTET STRING", "\"open").find("no closing double quote"), std::string::npos);
    EXPECT_NE(refusal("OCTET STRING", "plain").find("expected a quoted string at position 1, found 'plain'"),
              std::string::npos);
    EXPECT_NE(refusal("OCTET STRING", "").find("found the end of the text"), std::string::npos);
    EXPECT_NE(refusal("INTEGER", "1.5").find("'1.5' at position 1 is not a whole number"), std::string::npos);
    EXPECT_NE(refusal("INTEGER", "99999999999999999999").find("too large"), std::string::npos);
    EXPECT_NE(refusal("INTEGER", "12abc").find("'12abc' at position 1 is not a number"), std::string::npos);
    EXPECT_NE(refusal("INTEGER", "\"\"").find("expected a whole number"), std::string::npos);
    EXPECT_NE(refusal("REAL", "1e999").find("out of range"), std::string::npos);
    EXPECT_NE(refusal("BOOLEAN", "yes").find("expected TRUE or FALSE"), std::string::npos);
    EXPECT_NE(refusal("ENUMERATED { up(1) }", "sideways").find("expected one of up(1)"), std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { a INTEGER, b INTEGER }", "{1}").find("member 'b' is missing from the record starting at position 1"),
              std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { a INTEGER }", "{1,2}").find("only 1 members"), std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { a INTEGER }", "{a 1, a 2}").find("member 'a' is given twice"), std::string::npos);
    EXPECT_NE(refusal("SET OF INTEGER", "{1,}").find("expected a whole number at position 4, found '}'"),
              std::string::npos);
    EXPECT_NE(refusal("SET OF INTEGER", "{1 2}").find("expected ',' or '}' at position 4"), std::string::npos);
    EXPECT_NE(refusal("SET OF INTEGER", "{1}}").find("expected the end of the value at position 4"), std::string::npos);
    EXPECT_NE(refusal("SET OF INTEGER", "{1;2}").find("unexpected character ';' at position 3"), std::string::npos);
    std::string error;
    EXPECT_FALSE(parse_value(nullptr, "1", &error));
    EXPECT_NE(error.find("no syntax"), std::string::npos);
}

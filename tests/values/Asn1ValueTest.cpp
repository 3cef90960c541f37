// Value notation: the texts the tool builds, what the parser accepts beyond
// them, the canonical printing, and refusals with their reasons.
#include <gtest/gtest.h>

#include "protocol/Asn1.hpp"

using namespace qv::asn1;

namespace {

// The canonical text of a value, or "REFUSED: reason".
std::string reprint(const std::string& syntax, const std::string& text)
{
    std::string error;
    const TypePtr type = parse_type(syntax, &error);
    if (!type)
        return "BAD SYNTAX: " + error;
    ValuePtr value = parse_value(type, text, &error);
    return value ? print_value(*value) : "REFUSED: " + error;
}

const char* const kHosts = "SET OF SEQUENCE { host OCTET STRING, port INTEGER }";
const char* const kRecord = "SEQUENCE { host OCTET STRING, port INTEGER, state ENUMERATED { up(1), down(2) } }";

}  // namespace

// Every accepted text prints canonically, and the canonical text reads back
// to itself.
TEST(Asn1Value, AcceptedTextsPrintCanonicallyAndRoundTrip)
{
    const struct {
        const char* syntax;
        const char* text;
        const char* printed;
    } rows[] = {
        // Exactly the texts the tool writes for its attribute kinds.
        {"SEQUENCE { name OCTET STRING, count INTEGER, on BOOLEAN }", "{\"a\",12,TRUE}", "{\"a\",12,TRUE}"},
        {kHosts, "{{\"h1\",161},{\"h2\",162}}", "{{\"h1\",161},{\"h2\",162}}"},
        {"SET OF INTEGER", "{1,2,3}", "{1,2,3}"},
        {"OCTET STRING", "\"x\"", "\"x\""},
        {"OCTET STRING", "\"\"", "\"\""},
        {"DisplayString", "\"free text\"", "\"free text\""},
        {"INTEGER", "0", "0"},
        {"REAL", "0", "0"},
        {"BOOLEAN", "FALSE", "FALSE"},
        // What the parser accepts beyond them.
        {"INTEGER", "-42", "-42"},
        {"INTEGER", "+7", "7"},
        {"INTEGER", "007", "7"},
        {"REAL", "-1.5e3", "-1.5e3"},
        {"REAL", "+2.25", "2.25"},
        {"BOOLEAN", "true", "TRUE"},
        {"ENUMERATED { up(1), down(2) }", "down", "down"},
        {"ENUMERATED { up(1), down(2) }", "1", "up"},
        {"OCTET STRING", "\"a \\\"quoted\\\" word \\\\ here\"", "\"a \\\"quoted\\\" word \\\\ here\""},
        {"OCTET STRING", "\"line one\nline two\"", "\"line one\nline two\""},
        // Records by position, by name, or both.
        {kRecord, "{ \"h\" , 161 , up }", "{\"h\",161,up}"},
        {kRecord, "{host \"h\", port 161, state down}", "{\"h\",161,down}"},
        {kRecord, "{port 161, state up, host \"h\"}", "{\"h\",161,up}"},
        {kRecord, "{\"h\", state up, port 1}", "{\"h\",1,up}"},
        {kRecord, "\n{\n\t\"h\",\n161,\nup\n}\n", "{\"h\",161,up}"},
        {"SET { a BOOLEAN, b REAL }", "{b 1.5, a FALSE}", "{FALSE,1.5}"},
        // The reply of the metadata repository's getAllDocuments.
        {"SET OF SEQUENCE { document OCTET STRING }", "{{document \"IF-MIB\"},{document \"RPC Proxy - ping\"}}",
         "{{\"IF-MIB\"},{\"RPC Proxy - ping\"}}"},
        {"CHOICE { name OCTET STRING, number INTEGER }", "number : 3", "number : 3"},
        {"CHOICE { name OCTET STRING, number INTEGER }", "name:\"x\"", "name : \"x\""},
        {"CHOICE { name OCTET STRING, number INTEGER }", "name \"x\"", "name : \"x\""},
        {"SEQUENCE { via CHOICE { direct BOOLEAN, hops INTEGER }, cost INTEGER }", "{hops : 2, 5}", "{hops : 2,5}"},
        {"SET OF INTEGER", "{}", "{}"},
        {"SEQUENCE OF OCTET STRING", "{ \"b\", \"a\" }", "{\"b\",\"a\"}"},
        {"SEQUENCE { name OCTET STRING, ports SET OF INTEGER }", "{\"r\", {1, 2}}", "{\"r\",{1,2}}"},
        {"SET OF SET OF INTEGER", "{{1,2},{},{3}}", "{{1,2},{},{3}}"},
        // Where an element is itself a list, a simple value stands for a
        // one-item list: the tool writes a set of sets without inner braces.
        {"SET OF SET OF OCTET STRING", "{\"a\",\"b\",\"c\",\"d\"}", "{{\"a\"},{\"b\"},{\"c\"},{\"d\"}}"},
        {"SET OF SEQUENCE { name OCTET STRING }", "{\"a\",{\"b\"}}", "{{\"a\"},{\"b\"}}"},
        {"SET OF SET OF SET OF INTEGER", "{1,{2}}", "{{{1}},{{2}}}"},
        {"SET OF SET OF OCTET STRING", "{\"a\", {\"b\", \"c\"}}", "{{\"a\"},{\"b\",\"c\"}}"},
        {kHosts, "{ {host \"a\\\\b\", port -1}, {\"q\\\"uote\", 0} }", "{{\"a\\\\b\",-1},{\"q\\\"uote\",0}}"},
        {"SEQUENCE { a REAL, b BOOLEAN, c ENUMERATED { x, y } }", "{ 1e-3, false, 1 }", "{1e-3,FALSE,y}"},
        {"CHOICE { s SET OF CHOICE { i INTEGER, t OCTET STRING }, n INTEGER }", "s : {i:1, t \"two\"}", "s : {i : 1,t : \"two\"}"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(reprint(row.syntax, row.text), row.printed) << row.syntax << " <- " << row.text;
        EXPECT_EQ(reprint(row.syntax, row.printed), row.printed) << row.syntax << " <- " << row.printed;
    }
}

TEST(Asn1Value, StringEscapesResolve)
{
    std::string error;
    auto value = parse_value(parse_type("OCTET STRING"), "\"say \\\"hi\\\" C:\\dir\\\\x\"", &error);
    ASSERT_TRUE(value) << error;
    // \" and \\ are escapes; a lone backslash before anything else stays.
    EXPECT_EQ(value->text, "say \"hi\" C:\\dir\\x");
}

TEST(Asn1Value, RefusalsSayWhereAndWhy)
{
    const struct {
        const char* syntax;
        const char* text;
        const char* says;
    } rows[] = {
        // An unescaped double quote inside a quoted value, as the tool writes
        // it when a cell holds one.
        {"OCTET STRING", "\"say \"hi\"\"", "expected the end of the value at position 7, found 'hi'"},
        {"SEQUENCE { a OCTET STRING, b INTEGER }", "{\"say \"hi\"\",1}", "expected ',' or '}' at position 8, found 'hi'"},
        {"OCTET STRING", "\"open", "no closing double quote"},
        {"OCTET STRING", "plain", "expected a quoted string at position 1, found 'plain'"},
        {"OCTET STRING", "", "found the end of the text"},
        {"INTEGER", "1.5", "'1.5' at position 1 is not a whole number"},
        {"INTEGER", "99999999999999999999", "too large"},
        {"INTEGER", "12abc", "'12abc' at position 1 is not a number"},
        {"INTEGER", "\"\"", "expected a whole number"},
        {"REAL", "1e999", "out of range"},
        {"BOOLEAN", "yes", "expected TRUE or FALSE"},
        {"ENUMERATED { up(1) }", "sideways", "expected one of up(1)"},
        {"ENUMERATED { up(1), down(2) }", "0", "expected one of up(1), down(2) at position 1, found '0'"},
        {"CHOICE { name OCTET STRING, number INTEGER }", "other : 3",
         "expected an alternative of the CHOICE (name, number)"},
        {"CHOICE { name OCTET STRING, number INTEGER }", "number : \"3\"", "whole number"},
        {"SEQUENCE { a INTEGER, b INTEGER }", "{1}", "member 'b' is missing from the record starting at position 1"},
        {kHosts, "{\"h1\",161}", "member 'port' is missing"},
        {"SEQUENCE { a INTEGER }", "{1,2}", "only 1 members"},
        {"SEQUENCE { a INTEGER }", "{a 1, a 2}", "member 'a' is given twice"},
        // Only elements stand for one-item lists: a list on its own still
        // needs its braces.
        {"SET OF INTEGER", "1", "expected '{' to begin a list at position 1, found '1'"},
        {"SET OF INTEGER", "{1,}", "expected a whole number at position 4, found '}'"},
        {"SET OF INTEGER", "{1 2}", "expected ',' or '}' at position 4"},
        {"SET OF INTEGER", "{1}}", "expected the end of the value at position 4"},
        {"SET OF INTEGER", "{1;2}", "unexpected character ';' at position 3"},
    };
    for (const auto& row : rows) {
        const std::string result = reprint(row.syntax, row.text);
        EXPECT_EQ(result.rfind("REFUSED: ", 0), 0u) << row.syntax << " <- " << row.text << " gave " << result;
        EXPECT_NE(result.find(row.says), std::string::npos) << row.syntax << " <- " << row.text << " gave " << result;
    }
    std::string error;
    EXPECT_FALSE(parse_value(nullptr, "1", &error));
    EXPECT_NE(error.find("no syntax"), std::string::npos);
}

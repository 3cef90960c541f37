// Syntax texts: what is accepted, how it prints, and what is refused and why.
#include <gtest/gtest.h>

#include "protocol/Asn1.hpp"

using namespace qv::asn1;

namespace {

TypePtr parse_ok(const std::string& text)
{
    std::string error;
    TypePtr type = parse_type(text, &error);
    EXPECT_TRUE(type) << text << ": " << error;
    return type;
}

}  // namespace

// The tool classifies attributes by the printed text ("SET OF", "SEQUENCE",
// "OCTET", ...), so the canonical form is what it relies on.
TEST(Asn1Type, PrintsOneCanonicalText)
{
    const std::pair<const char*, const char*> rows[] = {
        {"OCTET  STRING", "OCTET STRING"},
        {"INTEGER", "INTEGER"},
        {"REAL", "REAL"},
        {"BOOLEAN", "BOOLEAN"},
        {"DisplayString", "DisplayString"},
        {"GraphicString", "GraphicString"},
        {"PrintableString", "PrintableString"},
        {"IA5String", "IA5String"},
        {"ObjectDescriptor", "ObjectDescriptor"},
        // An unnumbered name takes the smallest number nobody has.
        {"ENUMERATED { up(1), down(2), testing }", "ENUMERATED { up(1), down(2), testing(0) }"},
        {"ENUMERATED{a,b(0),c}", "ENUMERATED { a(1), b(0), c(2) }"},
        {"ENUMERATED { minus(-1) }", "ENUMERATED { minus(-1) }"},
        {"SEQUENCE{host OCTET STRING,port INTEGER}", "SEQUENCE { host OCTET STRING, port INTEGER }"},
        {"SET{a BOOLEAN,b REAL}", "SET { a BOOLEAN, b REAL }"},
        {"CHOICE { name OCTET STRING, number INTEGER }", "CHOICE { name OCTET STRING, number INTEGER }"},
        {"SET OF INTEGER", "SET OF INTEGER"},
        {"SEQUENCE OF port INTEGER", "SEQUENCE OF port INTEGER"},
        {"SET OF SEQUENCE {host OCTET STRING,\n  port INTEGER,\n  tags SET OF DisplayString, state ENUMERATED "
         "{up(1), down(2)},\n  via CHOICE { direct BOOLEAN, hops SEQUENCE OF INTEGER } }",
         "SET OF SEQUENCE { host OCTET STRING, port INTEGER, tags SET OF DisplayString, state ENUMERATED { up(1), "
         "down(2) }, via CHOICE { direct BOOLEAN, hops SEQUENCE OF INTEGER } }"},
    };
    for (const auto& [text, printed] : rows) {
        const TypePtr type = parse_ok(text);
        ASSERT_TRUE(type);
        EXPECT_EQ(print_type(*type), printed);
        EXPECT_EQ(print_type(*parse_ok(printed)), printed) << "printing again changes it";
    }
}

TEST(Asn1Type, KindsMembersAndElements)
{
    const struct {
        const char* text;
        Kind kind;
        bool list;
    } rows[] = {
        {"OCTET STRING", Kind::OctetString, false}, {"IA5String", Kind::OctetString, false},
        {"INTEGER", Kind::Integer, false},          {"REAL", Kind::Real, false},
        {"BOOLEAN", Kind::Boolean, false},          {"ENUMERATED { a }", Kind::Enumerated, false},
        {"CHOICE { a INTEGER }", Kind::Choice, false}, {"SEQUENCE { a INTEGER }", Kind::Sequence, true},
        {"SET { a INTEGER }", Kind::Set, true},     {"SET OF INTEGER", Kind::SetOf, true},
        {"SEQUENCE OF INTEGER", Kind::SequenceOf, true},
    };
    for (const auto& row : rows) {
        const TypePtr type = parse_ok(row.text);
        EXPECT_EQ(type->kind, row.kind) << row.text;
        EXPECT_EQ(type->is_list(), row.list) << row.text;
    }

    auto record = parse_ok("SEQUENCE { host OCTET STRING, port INTEGER }");
    ASSERT_EQ(record->members.size(), 2u);
    EXPECT_EQ(record->members[1].name, "port");
    EXPECT_EQ(record->member("port")->type->kind, Kind::Integer);
    EXPECT_EQ(record->member("nothing"), nullptr);

    auto plain = parse_ok("SET OF INTEGER");
    EXPECT_EQ(plain->element_name(), "element");
    EXPECT_EQ(plain->member("element")->type->kind, Kind::Integer);
    auto named = parse_ok("SEQUENCE OF port INTEGER");
    EXPECT_EQ(named->element_name(), "port");
    EXPECT_NE(named->member("port"), nullptr);
    EXPECT_EQ(named->member("element"), nullptr);
}

TEST(Asn1Type, RefusalsSayWhatAndWhere)
{
    const std::pair<const char*, const char*> rows[] = {
        {"", "expected a type at position 1"},
        {"FOO", "unknown type 'FOO'"},
        {"SEQUENCE { a myString }", "unknown type 'myString'"},
        {"OCTET", "STRING after OCTET"},
        {"INTEGER INTEGER", "expected the end of the syntax at position 9"},
        {"SEQUENCE { a INTEGER", "expected ',' or '}' at position 21, found the end of the text"},
        {"SEQUENCE { }", "member name"},
        {"SEQUENCE { INTEGER }", "member name"},
        {"SEQUENCE { a INTEGER, a REAL }", "'a' at position 23 is named twice"},
        {"SET OF", "expected a type"},
        {"CHOICE INTEGER", "'{' after CHOICE"},
        {"ENUMERATED { a(1), b(1) }", "both 'a' and 'b'"},
        {"ENUMERATED { a, a }", "given twice"},
        {"ENUMERATED { a(x) }", "whole number"},
        {"INTEGER (0..10)", "position 9"},
        {"SEQUENCE { a INTEGER } #", "unexpected character '#'"},
    };
    for (const auto& [text, says] : rows) {
        std::string error;
        EXPECT_FALSE(parse_type(text, &error)) << text;
        EXPECT_NE(error.find(says), std::string::npos) << text << " gave: " << error;
    }
}

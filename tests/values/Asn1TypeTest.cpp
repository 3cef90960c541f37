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

std::string refusal(const std::string& text)
{
    std::string error;
    EXPECT_FALSE(parse_type(text, &error)) << text;
    EXPECT_FALSE(error.empty()) << text;
    return error;
}

}  // namespace

TEST(Asn1Type, SimpleTypes)
{
    EXPECT_EQ(parse_ok("OCTET STRING")->kind, Kind::OctetString);
    EXPECT_EQ(parse_ok("INTEGER")->kind, Kind::Integer);
    EXPECT_EQ(parse_ok("REAL")->kind, Kind::Real);
    EXPECT_EQ(parse_ok("BOOLEAN")->kind, Kind::Boolean);
    for (const char* name : {"DisplayString", "GraphicString", "PrintableString", "IA5String", "ObjectDescriptor"}) {
        auto type = parse_ok(name);
        EXPECT_EQ(type->kind, Kind::OctetString) << name;
        EXPECT_EQ(print_type(*type), name);
        EXPECT_FALSE(type->is_list());
    }
}

TEST(Asn1Type, Enumerated)
{
    auto type = parse_ok("ENUMERATED { up(1), down(2), testing }");
    ASSERT_EQ(type->enumerators.size(), 3u);
    EXPECT_EQ(type->enumerators[0], (std::pair<std::string, long>{"up", 1}));
    EXPECT_EQ(type->enumerators[1], (std::pair<std::string, long>{"down", 2}));
    // An unnumbered name takes the smallest number nobody has.
    EXPECT_EQ(type->enumerators[2], (std::pair<std::string, long>{"testing", 0}));
    EXPECT_EQ(print_type(*type), "ENUMERATED { up(1), down(2), testing(0) }");
    EXPECT_EQ(print_type(*parse_ok("ENUMERATED{a,b(0),c}")), "ENUMERATED { a(1), b(0), c(2) }");
    EXPECT_EQ(print_type(*parse_ok("ENUMERATED { minus(-1) }")), "ENUMERATED { minus(-1) }");
}

TEST(Asn1Type, RecordsAndChoices)
{
    auto record = parse_ok("SEQUENCE { host OCTET STRING, port INTEGER }");
    EXPECT_EQ(record->kind, Kind::Sequence);
    EXPECT_TRUE(record->is_list());
    ASSERT_EQ(record->members.size(), 2u);
    EXPECT_EQ(record->members[1].name, "port");
    EXPECT_EQ(record->member("port")->type->kind, Kind::Integer);
    EXPECT_EQ(record->member("nothing"), nullptr);

    auto set = parse_ok("SET{a BOOLEAN,b REAL}");
    EXPECT_EQ(set->kind, Kind::Set);
    EXPECT_EQ(print_type(*set), "SET { a BOOLEAN, b REAL }");

    auto choice = parse_ok("CHOICE { name OCTET STRING, number INTEGER }");
    EXPECT_EQ(choice->kind, Kind::Choice);
    EXPECT_FALSE(choice->is_list());
    EXPECT_EQ(print_type(*choice), "CHOICE { name OCTET STRING, number INTEGER }");
}

TEST(Asn1Type, CollectionsWithAndWithoutElementName)
{
    auto plain = parse_ok("SET OF INTEGER");
    EXPECT_EQ(plain->kind, Kind::SetOf);
    EXPECT_TRUE(plain->is_list());
    EXPECT_EQ(plain->element_name(), "element");
    EXPECT_EQ(plain->member("element")->type->kind, Kind::Integer);
    EXPECT_EQ(print_type(*plain), "SET OF INTEGER");

    auto named = parse_ok("SEQUENCE OF port INTEGER");
    EXPECT_EQ(named->kind, Kind::SequenceOf);
    EXPECT_EQ(named->element_name(), "port");
    EXPECT_NE(named->member("port"), nullptr);
    EXPECT_EQ(named->member("element"), nullptr);
    EXPECT_EQ(print_type(*named), "SEQUENCE OF port INTEGER");
}

TEST(Asn1Type, NestedTypesPrintCanonically)
{
    auto type = parse_ok("SET OF SEQUENCE {host OCTET STRING,\n  port INTEGER,\n"
                         "  tags SET OF DisplayString, state ENUMERATED {up(1), down(2)},\n"
                         "  via CHOICE { direct BOOLEAN, hops SEQUENCE OF INTEGER } }");
    EXPECT_EQ(print_type(*type),
              "SET OF SEQUENCE { host OCTET STRING, port INTEGER, tags SET OF DisplayString, "
              "state ENUMERATED { up(1), down(2) }, via CHOICE { direct BOOLEAN, hops SEQUENCE OF INTEGER } }");
    // Printing is canonical: printing the printed text again changes nothing.
    EXPECT_EQ(print_type(*parse_ok(print_type(*type))), print_type(*type));
}

// The tool classifies attributes by substrings of the printed syntax text.
TEST(Asn1Type, PrintedTextCarriesTheKeywordsTheToolLooksFor)
{
    EXPECT_NE(print_type(*parse_ok("SET OF INTEGER")).find("SET OF"), std::string::npos);
    EXPECT_NE(print_type(*parse_ok("SEQUENCE { a INTEGER }")).find("SEQUENCE"), std::string::npos);
    EXPECT_NE(print_type(*parse_ok("SET { a INTEGER }")).find("SET"), std::string::npos);
    EXPECT_EQ(print_type(*parse_ok("SET { a INTEGER }")).find("SET OF"), std::string::npos);
    EXPECT_NE(print_type(*parse_ok("OCTET  STRING")).find("OCTET"), std::string::npos);
    EXPECT_EQ(print_type(*parse_ok("ENUMERATED { a }")).rfind("ENUMERATED", 0), 0u);
    EXPECT_EQ(print_type(*parse_ok("BOOLEAN")), "BOOLEAN");
}

TEST(Asn1Type, RefusalsSayWhatAndWhere)
{
    EXPECT_NE(refusal("").find("expected a type at position 1"), std::string::npos);
    EXPECT_NE(refusal("FOO").find("unknown type 'FOO'"), std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { a myString }").find("unknown type 'myString'"), std::string::npos);
    EXPECT_NE(refusal("OCTET").find("STRING after OCTET"), std::string::npos);
    EXPECT_NE(refusal("INTEGER INTEGER").find("expected the end of the syntax at position 9"), std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { a INTEGER").find("expected ',' or '}' at position 21, found the end of the text"),
              std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { }").find("member name"), std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { INTEGER }").find("member name"), std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { a INTEGER, a REAL }").find("'a' at position 23 is named twice"), std::string::npos);
    EXPECT_NE(refusal("SET OF").find("expected a type"), std::string::npos);
    EXPECT_NE(refusal("CHOICE INTEGER").find("'{' after CHOICE"), std::string::npos);
    EXPECT_NE(refusal("ENUMERATED { a(1), b(1) }").find("both 'a' and 'b'"), std::string::npos);
    EXPECT_NE(refusal("ENUMERATED { a, a }").find("given twice"), std::string::npos);
    EXPECT_NE(refusal("ENUMERATED { a(x) }").find("whole number"), std::string::npos);
    EXPECT_NE(refusal("INTEGER (0..10)").find("position 9"), std::string::npos);
    EXPECT_NE(refusal("SEQUENCE { a INTEGER } #").find("unexpected character '#'"), std::string::npos);
}

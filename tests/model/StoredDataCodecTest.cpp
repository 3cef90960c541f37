#include <gtest/gtest.h>

#include "model/StoredDataCodec.hpp"

namespace {

Syntax syn(const char* text)
{
    Syntax s = Syntax::from_text(text);
    EXPECT_TRUE(s.valid()) << text;
    return s;
}

RWTValSlist<QvTopoNode::UserDatum> datum(const char* name, const Syntax& s, const char* value)
{
    QvTopoNode::UserDatum d{name, Morf(s, value)};
    EXPECT_TRUE(d.value.has_value()) << value << ": " << d.value.error().str();
    return {d};
}

}  // namespace

TEST(EncodeCell, BySyntaxText)
{
    RWCString out;
    EXPECT_EQ(encode_attribute_value("OCTET STRING", "abc", out, 1), 1);
    EXPECT_EQ(out, "\"abc\"");
    EXPECT_EQ(encode_attribute_value("INTEGER", "", out, 1), 1);
    EXPECT_EQ(out, "0");
    EXPECT_EQ(encode_attribute_value("BOOLEAN", "", out, 1), 1);
    EXPECT_EQ(out, "FALSE");
    EXPECT_EQ(encode_attribute_value("DisplayString", "x", out, 1), 1);
    EXPECT_EQ(out, "\"x\"");
    EXPECT_EQ(encode_attribute_value("SEQUENCE { a INTEGER }", "", out, 1), 0);
    EXPECT_EQ(encode_attribute_value("SEQUENCE { a INTEGER }", "{1}", out, 1), 1);
    EXPECT_EQ(out, "{1}");
    // Once cleared, the flag stays cleared for the rest of the attribute.
    EXPECT_EQ(encode_attribute_value("INTEGER", "5", out, 0), 0);
}

TEST(EncodeTable, SetOfRecordsDropsALeftoverCell)
{
    const Syntax s = syn("SET OF SEQUENCE { host OCTET STRING, port INTEGER, up BOOLEAN }");
    RWCString text;
    EXPECT_EQ(encode_table(s, {"a", "1", "TRUE", "b", "", "", "c"}, text), 1);
    EXPECT_EQ(text, "{{\"a\",1,TRUE},{\"b\",0,FALSE}}");
    EXPECT_TRUE(Morf(s, text).has_value());
}

TEST(EncodeTable, NestedSetsGetNoBracesPerGroup)
{
    const Syntax s = syn("SET OF SET OF INTEGER");
    RWCString text;
    EXPECT_EQ(encode_table(s, {"1", "2", "3", "4"}, text), 1);
    EXPECT_EQ(text, "{1,2,3,4}");
}

TEST(EncodeTable, RecordWithMissingCellGetsAnEmptyString)
{
    const Syntax s = syn("SEQUENCE { a OCTET STRING, b INTEGER, c OCTET STRING }");
    RWCString text;
    EXPECT_EQ(encode_table(s, {"x", "2"}, text), 1);
    EXPECT_EQ(text, "{\"x\",2,\"\"}");
}

TEST(EncodeTable, EmptyStructuredMemberSkipsTheAttribute)
{
    const Syntax s = syn("SEQUENCE { a OCTET STRING, b SEQUENCE OF INTEGER }");
    RWCString text;
    EXPECT_EQ(encode_table(s, {"x", ""}, text), 0);
}

TEST(EncodeTable, SetOfSimpleValuesAndPlainValues)
{
    RWCString text;
    EXPECT_EQ(encode_table(syn("SET OF INTEGER"), {"1", "", "3"}, text), 1);
    EXPECT_EQ(text, "{1,0,3}");
    EXPECT_EQ(encode_table(syn("OCTET STRING"), {"hello", "ignored"}, text), 1);
    EXPECT_EQ(text, "\"hello\"");
    EXPECT_EQ(encode_table(syn("OCTET STRING"), {}, text), 0);
}

TEST(EncodeTable, AQuoteInsideAStringMakesTheValueInvalid)
{
    const Syntax s = syn("OCTET STRING");
    RWCString text;
    EXPECT_EQ(encode_table(s, {"say \"hi\""}, text), 1);
    EXPECT_FALSE(Morf(s, text).has_value());
}

TEST(ReadTable, SetOfSimpleValuesGivesOneGroupPerValue)
{
    const Syntax s = syn("SET OF OCTET STRING");
    StoredTable t;
    ASSERT_TRUE(read_stored_table("Acme:aliases", s, datum("aliases", s, "{\"a\",\"b\",\"c\"}"), t));
    EXPECT_EQ(t.name, "aliases");
    EXPECT_EQ(t.set, 1);
    EXPECT_EQ(t.columns, (RWTValSlist<RWCString>{""}));
    EXPECT_EQ(t.cells, (RWTValSlist<RWCString>{"a", "b", "c"}));
    EXPECT_EQ(t.groups, 3);
}

TEST(ReadTable, RecordGivesOneGroupOfMembers)
{
    const Syntax s = syn("SEQUENCE { host OCTET STRING, port INTEGER }");
    StoredTable t;
    ASSERT_TRUE(read_stored_table("contact", s, datum("contact", s, "{\"h1\",161}"), t));
    EXPECT_EQ(t.set, 0);
    EXPECT_EQ(t.columns, (RWTValSlist<RWCString>{"host", "port"}));
    EXPECT_EQ(t.cells, (RWTValSlist<RWCString>{"h1", "161"}));
    EXPECT_EQ(t.groups, 1);
}

TEST(ReadTable, SetOfRecordsFlattensRecordsIntoCells)
{
    const Syntax s = syn("SET OF SEQUENCE { host OCTET STRING, port INTEGER }");
    StoredTable t;
    ASSERT_TRUE(read_stored_table("peers", s, datum("peers", s, "{{\"h1\",1},{\"h2\",2}}"), t));
    EXPECT_EQ(t.columns, (RWTValSlist<RWCString>{"host", "port"}));
    EXPECT_EQ(t.cells, (RWTValSlist<RWCString>{"h1", "1", "h2", "2"}));
    EXPECT_EQ(t.groups, 2);
    // Written back, the cells give the same value.
    RWCString text;
    EXPECT_EQ(encode_table(s, t.cells, text), 1);
    EXPECT_EQ(text, "{{\"h1\",1},{\"h2\",2}}");
}

TEST(ReadTable, NoValueGivesNoCellsAndPlainSyntaxOneUnnamedColumn)
{
    StoredTable t;
    ASSERT_TRUE(read_stored_table("note", syn("OCTET STRING"), {}, t));
    EXPECT_EQ(t.columns, (RWTValSlist<RWCString>{""}));
    EXPECT_TRUE(t.cells.empty());
    EXPECT_EQ(t.groups, 0);
}

TEST(ReadTable, MemberNamesAreShownInLegacyForm)
{
    const Syntax s = syn("SEQUENCE { rupcSIGNouterusrSIGN1 OCTET STRING }");
    StoredTable t;
    ASSERT_TRUE(read_stored_table("x", s, {}, t));
    EXPECT_EQ(t.columns, (RWTValSlist<RWCString>{"Router_1"}));
}

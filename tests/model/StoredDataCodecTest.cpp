// Stored data between attribute values and the cells of the stored-data
// tables, for every shape of syntax; the page itself is checked on the tool
// (tests/gui/StoredDataTest.cpp).
#include <gtest/gtest.h>

#include <tuple>

#include "model/StoredDataCodec.hpp"

namespace {

using Cells = RWTValSlist<RWCString>;

Syntax syn(const char* text)
{
    Syntax s = Syntax::from_text(text);
    EXPECT_TRUE(s.valid()) << text;
    return s;
}

}  // namespace

TEST(StoredDataCodec, OneCellEncodesByItsSyntaxText)
{
    const struct {
        const char* syntax;
        const char* cell;
        char ok_in, ok;
        const char* out;  // checked when ok
    } rows[] = {
        {"OCTET STRING", "abc", 1, 1, "\"abc\""},
        {"DisplayString", "x", 1, 1, "\"x\""},
        {"INTEGER", "", 1, 1, "0"},
        {"BOOLEAN", "", 1, 1, "FALSE"},
        {"SEQUENCE { a INTEGER }", "{1}", 1, 1, "{1}"},
        {"SEQUENCE { a INTEGER }", "", 1, 0, ""},
        {"INTEGER", "5", 0, 0, ""},  // once cleared, the flag stays cleared for the attribute
    };
    for (const auto& row : rows) {
        RWCString out;
        EXPECT_EQ(encode_attribute_value(row.syntax, row.cell, out, row.ok_in), row.ok) << row.syntax << " " << row.cell;
        if (row.ok) {
            EXPECT_EQ(out, row.out) << row.syntax << " " << row.cell;
        }
    }
}

TEST(StoredDataCodec, TablesEncodeToValueTexts)
{
    const struct {
        const char* syntax;
        Cells cells;
        char ok;
        const char* text;  // checked when ok
        bool parses;
    } rows[] = {
        // A leftover cell of an incomplete group is dropped.
        {"SET OF SEQUENCE { host OCTET STRING, port INTEGER, up BOOLEAN }", {"a", "1", "TRUE", "b", "", "", "c"}, 1,
         "{{\"a\",1,TRUE},{\"b\",0,FALSE}}", true},
        {"SET OF SET OF INTEGER", {"1", "2", "3", "4"}, 1, "{1,2,3,4}", true},  // no braces per group
        {"SEQUENCE { a OCTET STRING, b INTEGER, c OCTET STRING }", {"x", "2"}, 1, "{\"x\",2,\"\"}", true},
        {"SET OF INTEGER", {"1", "", "3"}, 1, "{1,0,3}", true},
        {"OCTET STRING", {"hello", "ignored"}, 1, "\"hello\"", true},
        // A double quote in a string cell makes a text the syntax refuses.
        {"OCTET STRING", {"say \"hi\""}, 1, "\"say \"hi\"\"", false},
        {"OCTET STRING", {}, 0, "", false},
        // An empty structured member leaves the attribute unwritten.
        {"SEQUENCE { a OCTET STRING, b SEQUENCE OF INTEGER }", {"x", ""}, 0, "", false},
    };
    for (const auto& row : rows) {
        const Syntax s = syn(row.syntax);
        RWCString text;
        EXPECT_EQ(encode_table(s, row.cells, text), row.ok) << row.syntax;
        if (!row.ok)
            continue;
        EXPECT_EQ(text, row.text) << row.syntax;
        EXPECT_EQ(Morf(s, text).has_value(), row.parses) << row.syntax << " <- " << text;
    }
}

// What a table shows of a stored value, and the same value from its cells.
TEST(StoredDataCodec, ValuesReadIntoTablesAndBack)
{
    const struct {
        const char* attribute;
        const char* syntax;
        const char* value;  // null: the object holds none
        StoredTable table;
    } rows[] = {
        {"Acme:aliases", "SET OF OCTET STRING", "{\"a\",\"b\",\"c\"}", {"aliases", {""}, {"a", "b", "c"}, 3, 1}},
        {"contact", "SEQUENCE { host OCTET STRING, port INTEGER }", "{\"h1\",161}",
         {"contact", {"host", "port"}, {"h1", "161"}, 1, 0}},
        {"peers", "SET OF SEQUENCE { host OCTET STRING, port INTEGER }", "{{\"h1\",1},{\"h2\",2}}",
         {"peers", {"host", "port"}, {"h1", "1", "h2", "2"}, 2, 1}},
        {"note", "OCTET STRING", nullptr, {"note", {""}, {}, 0, 0}},
        // Member names are shown in legacy form.
        {"x", "SEQUENCE { rupcSIGNouterusrSIGN1 OCTET STRING }", nullptr, {"x", {"Router_1"}, {}, 0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.attribute);
        const Syntax s = syn(row.syntax);
        RWTValSlist<QvTopoNode::UserDatum> data;
        if (row.value) {
            data.push_back({row.attribute, Morf(s, row.value)});
            ASSERT_TRUE(data.back().value.has_value()) << data.back().value.error().str();
        }
        StoredTable t;
        ASSERT_TRUE(read_stored_table(row.attribute, s, data, t));
        const StoredTable& want = row.table;
        EXPECT_EQ(std::tie(t.name, t.columns, t.cells, t.groups, t.set),
                  std::tie(want.name, want.columns, want.cells, want.groups, want.set));
        if (row.value) {
            RWCString text;
            EXPECT_EQ(encode_table(s, t.cells, text), 1);
            EXPECT_EQ(text, row.value);
        }
    }
}

// The rules by which the CMIP and MIS dialogs' texts become an entity's
// fields: entity names read from a combo text or a DN, the APTitle and
// AeQualifier as stored, the network SAP without its hexadecimal marker.
#include <gtest/gtest.h>

#include "agents/FieldRules.hpp"

namespace {

struct Case {
    const char* text;
    const char* expected;
};

TEST(FieldRules, EntityNameFromTextAndTheLooserRuleOfFillDefaults)
{
    const Case strict[] = {
        {"id:\"osi-1\"", "osi-1"},
        {"agentTableType=\"CMIP\"/agentId=id:\"osi-1\"", "osi-1"},
        {"id:\"open-ended", "open-ended"},
        {"plain-name", "plain-name"},
        {"id=\"not-the-marker\"", "id=\"not-the-marker\""},
    };
    for (const Case& c : strict)
        EXPECT_EQ(entity_name_from_text(c.text), c.expected) << c.text;
    // Between the first quote after "id" and the last quote of the text.
    const Case loose[] = {
        {"id:\"osi-1\"", "osi-1"},
        {"agentId=id:\"a\"b\"", "a\"b"},
        {"id without quotes", "id without quotes"},
        {"osi-2", "osi-2"},
        {"", ""},
    };
    for (const Case& c : loose)
        EXPECT_EQ(entity_name_loosely(c.text), c.expected) << c.text;
}

TEST(FieldRules, ApTitleIsBracedAndMustBeDigitsAndBlanks)
{
    const Case accepted[] = {
        {"1 3 6 1", "{ 1 3 6 1 }"},
        {"  1 3 6 1\t", "{ 1 3 6 1 }"},
        {"{1 3}", "{1 3}"},
        {"{ 1 3 6", "{ 1 3 6 }"},
    };
    for (const Case& c : accepted) {
        RWCString title;
        EXPECT_TRUE(normalise_ap_title(c.text, title)) << c.text;
        EXPECT_EQ(title, c.expected) << c.text;
    }
    for (const char* refused : {"1.3.6", "", "   ", "{ 1 a }", "{}"}) {
        RWCString title = "unchanged";
        EXPECT_FALSE(normalise_ap_title(refused, title)) << refused;
        EXPECT_EQ(title, "unchanged") << refused;
    }
}

TEST(FieldRules, AeQualifierIsAnIntegerOrMinusOneWhenEmpty)
{
    const Case accepted[] = {{"", "-1"}, {" -12", "-12"}, {"7", "7"}, {" \t", "-1"}};
    for (const Case& c : accepted) {
        RWCString qualifier;
        EXPECT_TRUE(normalise_ae_qualifier(c.text, qualifier)) << c.text;
        EXPECT_EQ(qualifier, c.expected) << c.text;
    }
    for (const char* refused : {"12a", "--1", "1 2", "x"}) {
        RWCString qualifier;
        EXPECT_FALSE(normalise_ae_qualifier(refused, qualifier)) << refused;
    }
}

TEST(FieldRules, NetworkSapLosesOnlyALeadingHexMarkerAndInvokeIdsReadAsNumbers)
{
    EXPECT_EQ(strip_hex_marker("0x4900"), "4900");
    EXPECT_EQ(strip_hex_marker("0X4900"), "4900");
    EXPECT_EQ(strip_hex_marker("x49"), "x49");
    EXPECT_EQ(strip_hex_marker("4900x"), "4900x");
    EXPECT_EQ(invoke_id_value("42"), 42);
    EXPECT_EQ(invoke_id_value("-1"), -1);
    EXPECT_EQ(invoke_id_value("abc"), 0);
    EXPECT_EQ(invoke_id_value("99999999999"), 0);
}

}  // namespace

// Legacy (XNL) attribute and table names and their platform encoding.
#include <gtest/gtest.h>

#include <string>

#include "agents/LegacyName.hpp"

namespace {

std::string to_qv(const char* name, const char* table = nullptr, char is_table = 0)
{
    const char* result = cvt_xnlname2qv(name, table, is_table);
    return result ? result : "<null>";
}

std::string to_xnl(const char* name)
{
    const char* result = cvt_qvname2xnl(name);
    return result ? result : "<null>";
}

}  // namespace

TEST(LegacyName, EncodesAndDecodesMarkers)
{
    EXPECT_EQ(to_qv("Router_1"), "rupcSIGNouterusrSIGN1");
    EXPECT_EQ(to_xnl("rupcSIGNouterusrSIGN1"), "Router_1");
    EXPECT_EQ(to_qv("component.hub"), "typSIGNcomponentdotSIGNhub");
    EXPECT_EQ(to_xnl("typSIGNcomponentdotSIGNhub"), "component.hub");
    EXPECT_EQ(to_qv("50%+"), "50pctSIGNplsSIGN");
    EXPECT_EQ(to_xnl("50pctSIGNplsSIGN"), "50%+");
    EXPECT_EQ(to_qv("bus.a_b"), "typSIGNbusdotSIGNausrSIGNb");
    EXPECT_EQ(to_qv("contact"), "contact");
    EXPECT_EQ(to_xnl("contact"), "contact");
}

TEST(LegacyName, OnlyTheFirstCapitalIsMarked)
{
    EXPECT_EQ(to_qv("IfTable"), "iupcSIGNfTable");
    EXPECT_EQ(to_xnl("iupcSIGNfTable"), "IfTable");
    EXPECT_EQ(to_qv("View.x"), "vupcSIGNiewdotSIGNx");
    EXPECT_EQ(to_xnl("vupcSIGNiewdotSIGNx"), "View.x");
}

TEST(LegacyName, TablesAndAttributesNamedLikeTheirTable)
{
    EXPECT_EQ(to_qv(nullptr, "ifTable", 1), "ifTabletblSIGN");
    EXPECT_EQ(to_xnl("ifTabletblSIGN"), "ifTable");
    EXPECT_EQ(to_qv("ifTable", "ifTable", 0), "ifTableatrSIGN");
    EXPECT_EQ(to_xnl("ifTableatrSIGN"), "ifTable");
    EXPECT_EQ(to_qv("ifIndex", "ifTable", 0), "ifIndex");
    // Module prefixes up to '":' are kept as they are and ignored in the comparison.
    EXPECT_EQ(to_qv("Acme\":If_x", "Other\":If_x", 0), "Acme\":iupcSIGNfusrSIGNxatrSIGN");
}

TEST(LegacyName, ReservedNamesBecomeEmpty)
{
    EXPECT_EQ(to_qv("netmgt_schema"), "");
    EXPECT_EQ(to_qv("netmgt_schema_more"), "");
    EXPECT_EQ(to_qv("netmgt_endofrow"), "");
    EXPECT_EQ(to_qv("netmgt_endofargs"), "");
    EXPECT_EQ(to_qv("netmgt_table_key"), "");
    EXPECT_EQ(to_qv("netmgt_other"), "netmgtusrSIGNother");
}

TEST(LegacyName, LengthLimitsAndNullResults)
{
    const std::string longest(255, 'a');
    const std::string too_long(256, 'a');
    EXPECT_EQ(to_qv(longest.c_str()), longest);
    EXPECT_EQ(to_qv(too_long.c_str()), "<null>");
    EXPECT_EQ(to_xnl(longest.c_str()), longest);
    EXPECT_EQ(to_xnl(too_long.c_str()), "<null>");
    EXPECT_EQ(to_xnl(nullptr), "<null>");
    EXPECT_EQ(to_qv(nullptr, nullptr, 0), "<null>");
    EXPECT_EQ(to_qv(nullptr, nullptr, 1), "<null>");
    EXPECT_EQ(to_qv("x", nullptr, 1), "<null>");

    const std::string table(248, 't');
    EXPECT_EQ(to_qv(nullptr, table.c_str(), 1), table + "tblSIGN");
    EXPECT_EQ(to_qv(nullptr, (table + "t").c_str(), 1), "<null>");
}

TEST(LegacyName, OutputIsCutAt504Characters)
{
    const std::string dots(255, '.');
    const std::string result = to_qv(dots.c_str());
    EXPECT_EQ(result.size(), 504u);
    EXPECT_EQ(result.substr(0, 14), "dotSIGNdotSIGN");
    // A maximal name equal to its table still gets its marker within bounds.
    const std::string name(255, 'n');
    EXPECT_EQ(to_qv(name.c_str(), name.c_str(), 0), name + "atrSIGN");
}

TEST(LegacyName, MarkerAtTheStartIsDropped)
{
    EXPECT_EQ(to_xnl("upcSIGNabc"), "abc");
    EXPECT_EQ(to_xnl("upcSIGN"), "");
    EXPECT_EQ(to_xnl("upcSIGNupcSIGNx"), "x");
}

TEST(LegacyName, DecodingRepeatsUntilNoMarkerIsLeft)
{
    // Removing one marker may join the halves of another.
    EXPECT_EQ(to_xnl("dotSatrSIGNIGN"), ".");
    EXPECT_EQ(to_xnl("ausrSIGNbusrSIGNc"), "a_b_c");
}

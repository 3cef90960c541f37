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

TEST(LegacyName, MarkersEncodeAndDecode)
{
    const std::pair<const char*, const char*> both_ways[] = {
        {"Router_1", "rupcSIGNouterusrSIGN1"},
        {"component.hub", "typSIGNcomponentdotSIGNhub"},
        {"bus.a_b", "typSIGNbusdotSIGNausrSIGNb"},
        {"50%+", "50pctSIGNplsSIGN"},
        {"contact", "contact"},
        {"IfTable", "iupcSIGNfTable"},  // only the first capital is marked
        {"View.x", "vupcSIGNiewdotSIGNx"},
        {"netmgt_other", "netmgtusrSIGNother"},
    };
    for (const auto& [legacy, platform] : both_ways) {
        EXPECT_EQ(to_qv(legacy), platform);
        EXPECT_EQ(to_xnl(platform), legacy);
    }
    for (const char* reserved :
         {"netmgt_schema", "netmgt_schema_more", "netmgt_endofrow", "netmgt_endofargs", "netmgt_table_key"})
        EXPECT_EQ(to_qv(reserved), "") << reserved;
    const std::pair<const char*, const char*> decoded[] = {
        {"upcSIGNabc", "abc"},  // a marker at the start is dropped
        {"upcSIGN", ""},
        {"upcSIGNupcSIGNx", "x"},
        {"dotSatrSIGNIGN", "."},  // removing one marker may join the halves of another
        {"ausrSIGNbusrSIGNc", "a_b_c"},
    };
    for (const auto& [platform, legacy] : decoded)
        EXPECT_EQ(to_xnl(platform), legacy) << platform;
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

    // The output is cut at 504 characters.
    const std::string dots(255, '.');
    const std::string result = to_qv(dots.c_str());
    EXPECT_EQ(result.size(), 504u);
    EXPECT_EQ(result.substr(0, 14), "dotSIGNdotSIGN");
    // A maximal name equal to its table still gets its marker within bounds.
    EXPECT_EQ(to_qv(longest.c_str(), longest.c_str(), 0), longest + "atrSIGN");
}

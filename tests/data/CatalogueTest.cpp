// The built catalogue holds exactly the texts docs/catalogue.md promises,
// and the catalogue source gives no number twice.
#include "DataPaths.hpp"

#include <gtest/gtest.h>
#include <map>
#include <nl_types.h>
#include <regex>
#include <set>
#include <stdlib.h>

using namespace qv::datatest;

namespace {

struct Entry {
    int set;
    int number;
    std::string text;
};

// Undoes the escapes the catalogue source and its reference table share.
std::string unescape(const std::string& quoted)
{
    std::string out;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != '\\' || i + 1 == quoted.size()) {
            out += quoted[i];
            continue;
        }
        char c = quoted[++i];
        out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

std::vector<Entry> documented_entries()
{
    static const std::regex row(R"re(^\| (\d+) \| (\d+) \| `"(.*)"` \| .*\|$)re");
    std::vector<Entry> entries;
    for (const auto& line : read_lines(source_path("docs/catalogue.md"))) {
        std::smatch m;
        if (std::regex_match(line, m, row))
            entries.push_back({std::stoi(m[1]), std::stoi(m[2]), unescape(m[3])});
    }
    return entries;
}

std::vector<Entry> source_entries()
{
    static const std::regex set_line(R"(^\$set (\d+)\s*$)");
    static const std::regex message(R"re(^(\d+) "(.*)"$)re");
    std::vector<Entry> entries;
    int set = 0;
    for (const auto& line : read_lines(source_path("data/nls/qv.msg"))) {
        std::smatch m;
        if (std::regex_match(line, m, set_line))
            set = std::stoi(m[1]);
        else if (std::regex_match(line, m, message))
            entries.push_back({set, std::stoi(m[1]), unescape(m[2])});
    }
    return entries;
}

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        catd_ = catopen(share_path("nls/C/qv.cat").c_str(), 0);
        ASSERT_NE(catd_, reinterpret_cast<nl_catd>(-1)) << "no catalogue in the share tree";
    }
    void TearDown() override
    {
        if (catd_ != reinterpret_cast<nl_catd>(-1))
            catclose(catd_);
    }
    std::string text(int set, int number) { return catgets(catd_, set, number, "<missing>"); }

    nl_catd catd_ = reinterpret_cast<nl_catd>(-1);
};

}  // namespace

TEST_F(Catalogue, HoldsEveryTextOfTheReferenceTable)
{
    auto entries = documented_entries();
    ASSERT_GT(entries.size(), 250u);
    for (const auto& e : entries)
        EXPECT_EQ(text(e.set, e.number), e.text) << "set " << e.set << " number " << e.number;
}

TEST_F(Catalogue, ReferenceTableListsEverySourceEntry)
{
    std::set<std::pair<int, int>> documented;
    for (const auto& e : documented_entries())
        documented.insert({e.set, e.number});
    for (const auto& e : source_entries())
        EXPECT_TRUE(documented.count({e.set, e.number})) << "set " << e.set << " number " << e.number;
}

TEST_F(Catalogue, SourceGivesNoNumberTwice)
{
    std::map<std::pair<int, int>, int> seen;
    for (const auto& e : source_entries()) {
        const int count = ++seen[std::make_pair(e.set, e.number)];
        EXPECT_EQ(count, 1) << "set " << e.set << " number " << e.number;
    }
}

TEST_F(Catalogue, CreateTitleAndRefusalHaveNumbersOfTheirOwn)
{
    EXPECT_EQ(text(23, 827), "Zentra - Create Object");
    EXPECT_EQ(text(23, 832), "Not authorized to run Object Properties");
    EXPECT_EQ(text(23, 828), "Not authorized to create objects");
}

TEST_F(Catalogue, KeepsBlanksNewlinesAndTabs)
{
    EXPECT_EQ(text(23, 33), "       Propagate Severity:");
    EXPECT_EQ(text(23, 1000), " Add ");
    EXPECT_EQ(text(23, 901), "Cannot change type as\nproperties are different.");
    EXPECT_EQ(text(23, 813), "\t-cmip \t\t\t: Configure CMIP object\n");
    EXPECT_EQ(text(8, 800), "Corvane QV %s: Login Window");
}

TEST(CatalogueLookup, IsFoundThroughNlspathInTheShareTree)
{
    const std::string home = share_path("");
    ::setenv("NLSPATH", (home + "nls/%L/%N:" + home + "nls/C/%N").c_str(), 1);
    nl_catd catd = catopen("qv.cat", 0);
    ASSERT_NE(catd, reinterpret_cast<nl_catd>(-1));
    EXPECT_STREQ(catgets(catd, 23, 801, "<missing>"), "Zentra - Object Properties");
    catclose(catd);
}

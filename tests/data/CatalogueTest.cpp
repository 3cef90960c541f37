// The built catalogue holds exactly the texts docs/catalogue.md promises,
// the catalogue source gives no number twice, and each translation holds
// the same numbers with the same conversions.
#include "DataPaths.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <nl_types.h>
#include <regex>
#include <set>

#include "support/ScopedEnv.hpp"

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

std::vector<Entry> source_entries(const std::string& source = "data/nls/qv.msg")
{
    static const std::regex set_line(R"(^\$set (\d+)\s*$)");
    static const std::regex message(R"re(^(\d+) "(.*)"$)re");
    std::vector<Entry> entries;
    int set = 0;
    for (const auto& line : read_lines(source_path(source))) {
        std::smatch m;
        if (std::regex_match(line, m, set_line))
            set = std::stoi(m[1]);
        else if (std::regex_match(line, m, message))
            entries.push_back({set, std::stoi(m[1]), unescape(m[2])});
    }
    return entries;
}

// The printf conversions of a text, in order: a translation must keep them,
// as the texts are formats.
std::string conversions(const std::string& text)
{
    static const std::regex conversion("%[-+ #0-9.]*[a-zA-Z%]");
    std::string out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion); it != std::sregex_iterator(); ++it)
        out += it->str();
    return out;
}

}  // namespace

// Every text the reference table documents comes out of the built catalogue
// as written there, blanks, newlines and tabs included.
TEST(Catalogue, HoldsEveryTextOfTheReferenceTable)
{
    const nl_catd catd = catopen(share_path("nls/C/qv.cat").c_str(), 0);
    ASSERT_NE(catd, reinterpret_cast<nl_catd>(-1)) << "no catalogue in the share tree";
    auto entries = documented_entries();
    ASSERT_GT(entries.size(), 250u);
    for (const auto& e : entries)
        EXPECT_EQ(catgets(catd, e.set, e.number, "<missing>"), e.text) << "set " << e.set << " number " << e.number;
    catclose(catd);
}

TEST(Catalogue, SourceGivesEachNumberOnceAndTheTableListsIt)
{
    std::set<std::pair<int, int>> documented, seen;
    for (const auto& e : documented_entries())
        documented.insert({e.set, e.number});
    for (const auto& e : source_entries()) {
        EXPECT_TRUE(seen.insert({e.set, e.number}).second) << "set " << e.set << " number " << e.number << " twice";
        EXPECT_TRUE(documented.count({e.set, e.number})) << "set " << e.set << " number " << e.number;
    }
}

TEST(Catalogue, IsFoundThroughNlspathInTheShareTree)
{
    const std::string home = share_path("");
    qv::test::ScopedEnv nlspath("NLSPATH", (home + "nls/%L/%N:" + home + "nls/C/%N").c_str());
    nl_catd catd = catopen("qv.cat", 0);
    ASSERT_NE(catd, reinterpret_cast<nl_catd>(-1));
    EXPECT_STREQ(catgets(catd, 23, 801, "<missing>"), "Zentra - Object Properties");
    catclose(catd);
}

// The German catalogue (and any later translation) has every text of the
// English one, no other, with the same conversions; the build made it.
TEST(Catalogue, TranslationsHoldTheSameNumbersAndConversions)
{
    std::map<std::pair<int, int>, std::string> english;
    for (const auto& e : source_entries())
        english[{e.set, e.number}] = e.text;
    std::vector<std::string> languages;
    for (const auto& file : std::filesystem::directory_iterator(source_path("data/nls")))
        if (file.path().extension() == ".msg" && file.path().stem() != "qv")
            languages.push_back(file.path().stem());
    ASSERT_FALSE(languages.empty());
    for (const std::string& language : languages) {
        std::map<std::pair<int, int>, std::string> translated;
        for (const auto& e : source_entries("data/nls/" + language + ".msg"))
            translated[{e.set, e.number}] = e.text;
        for (const auto& [key, text] : english) {
            const auto it = translated.find(key);
            if (it == translated.end()) {
                ADD_FAILURE() << language << ": set " << key.first << " number " << key.second << " missing";
                continue;
            }
            EXPECT_EQ(conversions(it->second), conversions(text))
                << language << ": set " << key.first << " number " << key.second;
        }
        for (const auto& [key, text] : translated)
            EXPECT_TRUE(english.count(key)) << language << ": set " << key.first << " number " << key.second
                                            << " is not in qv.msg";
        EXPECT_TRUE(std::filesystem::is_regular_file(share_path("nls/" + language + "/qv.cat"))) << language;
    }
}

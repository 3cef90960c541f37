// The option table and the word matching of CommandLine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/CommandLine.hpp"
#include "main/StartOptions.hpp"

namespace {

// Runs get_arg over words (up to the first error) and returns "name=value" for each option found.
std::vector<std::string> walk(std::vector<std::string> words, const char* spec = kOptionSpec)
{
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    CommandLine line(argv.data(), static_cast<int>(argv.size()));
    line.set_args(spec);
    std::vector<std::string> found;
    while (const char* option = line.get_arg()) {
        found.push_back(std::string(option) + "=" + CommandLine::optarg);
        if (std::string(option) == CommandLine::kErrorOption)
            break;  // as start-up does: a usage error ends the walk
    }
    return found;
}

using Found = std::vector<std::string>;

TEST(CommandLineTable, CountsOptionsOfTheSpec)
{
    CommandLine line(nullptr, 0);
    EXPECT_EQ(line.set_args(kOptionSpec), 25);
    EXPECT_EQ(line.set_args(nullptr), 0);
    EXPECT_EQ(line.set_args("a|b:|c*"), 3);
}

TEST(CommandLineTable, PrintsTableAndUnconsumedWords)
{
    std::vector<std::string> words = {"-id", "7"};
    std::vector<char*> argv = {words[0].data(), words[1].data()};
    CommandLine line(argv.data(), 2);
    line.set_args("fd:|id*|h");
    testing::internal::CaptureStdout();
    line.print_args();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Arguments List\n--------------\nfd\t1\nid\t999\nh\t0\n"
              "Entered on Command line\n-----------------------\n-id\n7\n");
}

TEST(CommandLineMatching, ListOptionLastHasNoTrailingBlank)
{
    EXPECT_EQ(walk({"-id", "12", "13"}), Found({"id=12 13"}));
}

TEST(CommandLineMatching, ListOptionBeforeAnotherEndsInOneBlank)
{
    EXPECT_EQ(walk({"-id", "12", "13", "-type", "Host"}), Found({"id=12 13 ", "type=Host"}));
}

TEST(CommandLineMatching, SingleValuedOptionNeverGetsABlank)
{
    EXPECT_EQ(walk({"-parent", "5", "-snmp"}), Found({"parent=5", "snmp="}));
}

TEST(CommandLineMatching, ListOptionWithoutWordsIsEmpty)
{
    EXPECT_EQ(walk({"-id", "-snmp"}), Found({"id=", "snmp="}));
    EXPECT_EQ(walk({"-name"}), Found({"name="}));
}

TEST(CommandLineMatching, FlagFollowedByAWordIsAnError)
{
    EXPECT_EQ(walk({"-snmp", "router1"}), Found({"####=router1"}));
}

TEST(CommandLineMatching, WrongNumberOfWordsIsAnError)
{
    EXPECT_EQ(walk({"-host"}), Found({"####="}));
    EXPECT_EQ(walk({"-host", "a", "b"}).at(0).substr(0, 5), "####=");
    EXPECT_EQ(walk({"-host", "a"}), Found({"host=a"}));
}

TEST(CommandLineMatching, OnlyWholeNamesMatch)
{
    EXPECT_EQ(walk({"-i", "12"}), Found({"####="}));
    EXPECT_EQ(walk({"-ID", "12"}), Found({"####="}));
    EXPECT_EQ(walk({"12"}), Found({"####="}));
}

TEST(CommandLineMatching, ShortAndLongFormsAreSeparateOptions)
{
    EXPECT_EQ(walk({"-c", "-cmip", "-t", "Host"}), Found({"c=", "cmip=", "t=Host"}));
}

}  // namespace

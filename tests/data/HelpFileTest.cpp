// The help file follows docs/help-format.md and holds the topics the tool's
// Help buttons ask for.
#include "DataPaths.hpp"

#include <gtest/gtest.h>
#include <map>
#include <regex>

using namespace qv::datatest;

namespace {

struct Topic {
    std::string title;
    std::string body;
    std::vector<int> see;
};

std::map<int, Topic> read_topics(std::vector<std::string>& errors)
{
    static const std::regex topic_line(R"(^@topic (\d+) (\S.*)$)");
    static const std::regex see_line(R"(^@see (\d+) (\S.*)$)");
    std::map<int, Topic> topics;
    auto lines = read_lines(share_path("help/qv_help.hlp"));
    if (lines.empty() || lines[0] != "%% qv help 1")
        errors.push_back("first line is not \"%% qv help 1\"");
    Topic* current = nullptr;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto& line = lines[i];
        std::smatch m;
        if (line.rfind("%%", 0) == 0)
            continue;
        if (std::regex_match(line, m, topic_line)) {
            int number = std::stoi(m[1]);
            if (topics.count(number))
                errors.push_back("topic " + std::to_string(number) + " twice");
            current = &topics[number];
            current->title = m[2];
        } else if (line.rfind("@", 0) == 0 && !std::regex_match(line, m, see_line)) {
            errors.push_back("bad directive: " + line);
        } else if (current && std::regex_match(line, m, see_line)) {
            current->see.push_back(std::stoi(m[1]));
        } else if (current) {
            current->body += line + "\n";
        }
    }
    return topics;
}

}  // namespace

TEST(HelpFile, FollowsTheHelpFormat)
{
    std::vector<std::string> errors;
    read_topics(errors);
    for (const auto& e : errors)
        ADD_FAILURE() << e;
}

TEST(HelpFile, HoldsEveryTopicTheToolShows)
{
    std::vector<std::string> errors;
    auto topics = read_topics(errors);
    for (int number : {10, 1290, 1340, 1140}) {
        ASSERT_TRUE(topics.count(number)) << "topic " << number;
        EXPECT_GT(topics[number].body.size(), 800u) << "topic " << number << " is a stub";
    }
}

TEST(HelpFile, LinksLeadToTopicsOfTheFile)
{
    std::vector<std::string> errors;
    auto topics = read_topics(errors);
    for (const auto& [number, topic] : topics) {
        EXPECT_FALSE(topic.see.empty()) << "topic " << number << " links nowhere";
        for (int target : topic.see)
            EXPECT_TRUE(topics.count(target)) << "topic " << number << " links to " << target;
    }
}

TEST(HelpFile, DescribesTheMainWindowsPagesAndButtons)
{
    std::vector<std::string> errors;
    auto body = read_topics(errors)[1290].body;
    for (const char* word : {"Name:", "Available Objects:", "Agents page", "Display page",
                             "Coordinates page", "Stored Data page", "OK", "Apply", "Cancel"})
        EXPECT_NE(body.find(word), std::string::npos) << word;
}

// The help viewer's logic: help files (a sample and the shipped one), its
// commands and arguments, Back.
#include <gtest/gtest.h>

#include <string>

#include "HelpFile.hpp"
#include "TopicHistory.hpp"
#include "ViewerCommand.hpp"
#include "support/RunBinary.hpp"
#include "support/TempDir.hpp"

namespace {

const char* const kSample =
    "%% qv help 1\n"
    "ignored before the first topic\n"
    "@topic 1290 Object Properties\n"
    "First paragraph\n"
    "continues here.\n"
    "\n"
    "  Shown as it stands\n"
    "  and this too\n"
    "%% a comment\n"
    "Second paragraph.\n"
    "@see 1340 SNMP Configuration\n"
    "@topic 1340 SNMP Configuration\n"
    "Agents answer SNMP requests.\n";

TEST(HelpFile, ReadsTopicsParagraphsLinksAndFindsWords)
{
    HelpFile file;
    ASSERT_TRUE(file.parse(kSample, "sample")) << file.error();
    ASSERT_EQ(file.topics().size(), 2u);
    const HelpTopic* topic = file.find(1290);
    ASSERT_NE(topic, nullptr);
    EXPECT_EQ(topic->title, "Object Properties");
    EXPECT_EQ(topic->body_text(),
              "First paragraph continues here.\n\n  Shown as it stands\n  and this too\n\nSecond paragraph.");
    // Only paragraphs go through the viewer's wrapping.
    EXPECT_EQ(topic->body_text([](const std::string& text) { return "<" + text + ">"; }),
              "<First paragraph continues here.>\n\n  Shown as it stands\n  and this too\n\n<Second paragraph.>");
    ASSERT_EQ(topic->links.size(), 1u);
    EXPECT_EQ(topic->links[0].topic, 1340);
    EXPECT_EQ(topic->links[0].text, "SNMP Configuration");
    EXPECT_EQ(file.find(1), nullptr);

    const auto found = file.search("snmp AGENTS");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->number, 1340);
    EXPECT_EQ(file.search("paragraph").size(), 1u);
    EXPECT_TRUE(file.search("nowhere").empty());
    EXPECT_TRUE(file.search("  ").empty());
}

TEST(HelpFile, RefusalsNameTheFileAndLine)
{
    const std::pair<const char*, const char*> refused[] = {
        {"@topic 1 A\n", "f:1"},  // no magic line
        {"%% qv help 1\n@topic x Title\n", "f:2"},
        {"%% qv help 1\n@topic 1 A\n@topic 1 B\n", "twice"},
        {"%% qv help 1\n@topic 1 A\n@see z B\n", "f:3"},
        {"", "f:1"},
    };
    for (const auto& [text, says] : refused) {
        HelpFile file;
        EXPECT_FALSE(file.parse(text, "f")) << text;
        EXPECT_NE(file.error().find(says), std::string::npos) << text << " gave: " << file.error();
    }
    qv::test::TempDir dir;
    HelpFile file;
    ASSERT_TRUE(file.load(dir.write_file("qv_help.hlp", kSample)));
    EXPECT_EQ(file.path(), dir.path() + "/qv_help.hlp");
    EXPECT_FALSE(file.load(dir.path() + "/missing.hlp"));
    EXPECT_NE(file.error().find("missing.hlp"), std::string::npos);
}

// The help file the tool ships holds every topic its Help buttons ask for,
// each of substance, and every link leads to a topic of the file.
TEST(HelpFile, ShippedFileHoldsTheToolsTopics)
{
    HelpFile file;
    ASSERT_TRUE(file.load(qv::test::source_dir() + "/data/help/qv_help.hlp")) << file.error();
    for (int number : {10, 1290, 1340, 1140}) {
        const HelpTopic* topic = file.find(number);
        ASSERT_NE(topic, nullptr) << number;
        EXPECT_GT(topic->body_text().size(), 800u) << "topic " << number << " is a stub";
    }
    for (const HelpTopic& topic : file.topics()) {
        EXPECT_FALSE(topic.links.empty()) << "topic " << topic.number << " links nowhere";
        for (const HelpLink& link : topic.links)
            EXPECT_NE(file.find(link.topic), nullptr) << topic.number << " links to " << link.topic;
        for (const HelpBlock& block : topic.blocks)
            EXPECT_NE(block.text.rfind("@", 0), 0u) << "unknown directive in " << topic.number << ": " << block.text;
    }
    const std::string body = file.find(1290)->body_text();
    for (const char* word : {"Name:", "Available Objects:", "Agents page", "Display page", "Coordinates page",
                             "Stored Data page", "OK", "Apply", "Cancel"})
        EXPECT_NE(body.find(word), std::string::npos) << word;
}

TEST(ViewerCommand, ParsesTheLauncherCommandsAndRefusesMalformedOnes)
{
    const struct {
        const char* text;
        ViewerCommand::Kind kind;
        int topic;
        const char* file;
        long key;
    } rows[] = {
        {"-c 1290 /x/qv_help.hlp\n", ViewerCommand::ShowTopic, 1290, "/x/qv_help.hlp", 0},
        {"-i /x/qv_help.hlp\n", ViewerCommand::Contents, 0, "/x/qv_help.hlp", 0},
        {"-m helpon()\n", ViewerCommand::HelpOn, 0, "", 0},
        {"-m search() /x/qv_help.hlp\n", ViewerCommand::Search, 0, "/x/qv_help.hlp", 0},
        {"-m search()\n", ViewerCommand::Search, 0, "", 0},
        {"-q 67890\n", ViewerCommand::Quit, 0, "", 67890},
        {"", ViewerCommand::Nothing, 0, "", 0},
        {"-c abc f", ViewerCommand::Invalid, 0, "", 0},
        {"-c 12", ViewerCommand::Invalid, 0, "", 0},
        {"-q", ViewerCommand::Invalid, 0, "", 0},
        {"-z", ViewerCommand::Invalid, 0, "", 0},
    };
    for (const auto& row : rows) {
        const ViewerCommand c = ViewerCommand::parse_text(row.text);
        EXPECT_EQ(c.kind, row.kind) << row.text;
        if (row.kind == ViewerCommand::Invalid)
            continue;
        EXPECT_EQ(c.topic, row.topic) << row.text;
        EXPECT_EQ(c.file, row.file) << row.text;
        EXPECT_EQ(c.key, row.key) << row.text;
    }
}

TEST(ViewerArgs, ReadsKeyScreenDisplayAndFirstCommand)
{
    const char* words[] = {"hyperhelp", "-d", "67890", "-s", "0", "-display", ":5", "-c", "10", "/f.hlp"};
    const ViewerArgs args = ViewerArgs::parse(10, const_cast<char**>(words));
    EXPECT_TRUE(args.error.empty());
    EXPECT_EQ(args.key, 67890);
    EXPECT_EQ(args.screen, 0);
    EXPECT_EQ(args.display, ":5");
    EXPECT_EQ(args.command, (std::vector<std::string>{"-c", "10", "/f.hlp"}));
}

TEST(TopicHistory, BackReturnsToEarlierTopics)
{
    TopicHistory history;
    TopicHistory::Entry entry;
    EXPECT_FALSE(history.back(entry));
    history.visit({"f", 1});
    history.visit({"f", 2});
    history.visit({"f", 2});
    history.visit({"g", 3});
    ASSERT_TRUE(history.back(entry));
    EXPECT_EQ(entry.topic, 2);
    ASSERT_TRUE(history.back(entry));
    EXPECT_EQ(entry.topic, 1);
    EXPECT_FALSE(history.back(entry));
}

}  // namespace

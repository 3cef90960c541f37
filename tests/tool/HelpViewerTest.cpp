// The help viewer's logic: help files, its commands and arguments, Back.
#include <gtest/gtest.h>

#include <string>

#include "HelpFile.hpp"
#include "TopicHistory.hpp"
#include "ViewerCommand.hpp"
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

TEST(HelpFile, ReadsTopicsParagraphsAndLinks)
{
    HelpFile file;
    ASSERT_TRUE(file.parse(kSample, "sample")) << file.error();
    ASSERT_EQ(file.topics().size(), 2u);
    const HelpTopic* topic = file.find(1290);
    ASSERT_NE(topic, nullptr);
    EXPECT_EQ(topic->title, "Object Properties");
    EXPECT_EQ(topic->body_text(),
              "First paragraph continues here.\n\n  Shown as it stands\n  and this too\n\nSecond paragraph.");
    ASSERT_EQ(topic->links.size(), 1u);
    EXPECT_EQ(topic->links[0].topic, 1340);
    EXPECT_EQ(topic->links[0].text, "SNMP Configuration");
    EXPECT_EQ(file.find(1), nullptr);
}

TEST(HelpFile, RefusesFilesWithoutTheMagicLine)
{
    HelpFile file;
    EXPECT_FALSE(file.parse("@topic 1 A\n", "bad"));
    EXPECT_NE(file.error().find("bad:1"), std::string::npos);
}

TEST(HelpFile, RefusesBadAndDuplicateTopicNumbers)
{
    HelpFile file;
    EXPECT_FALSE(file.parse("%% qv help 1\n@topic x Title\n", "f"));
    EXPECT_NE(file.error().find("f:2"), std::string::npos);
    EXPECT_FALSE(file.parse("%% qv help 1\n@topic 1 A\n@topic 1 B\n", "f"));
    EXPECT_NE(file.error().find("twice"), std::string::npos);
    EXPECT_FALSE(file.parse("%% qv help 1\n@topic 1 A\n@see z B\n", "f"));
}

TEST(HelpFile, SearchFindsTopicsWithEveryWord)
{
    HelpFile file;
    ASSERT_TRUE(file.parse(kSample, "sample"));
    const auto found = file.search("snmp AGENTS");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->number, 1340);
    EXPECT_EQ(file.search("paragraph").size(), 1u);
    EXPECT_TRUE(file.search("nowhere").empty());
    EXPECT_TRUE(file.search("  ").empty());
}

TEST(HelpFile, LoadKeepsThePathAndReportsMissingFiles)
{
    qv::test::TempDir dir;
    const std::string path = dir.write_file("qv_help.hlp", kSample);
    HelpFile file;
    ASSERT_TRUE(file.load(path));
    EXPECT_EQ(file.path(), path);
    EXPECT_FALSE(file.load(dir.path() + "/missing.hlp"));
    EXPECT_NE(file.error().find("missing.hlp"), std::string::npos);
}

TEST(ViewerCommand, ParsesTheLauncherCommands)
{
    ViewerCommand c = ViewerCommand::parse_text("-c 1290 /x/qv_help.hlp\n");
    EXPECT_EQ(c.kind, ViewerCommand::ShowTopic);
    EXPECT_EQ(c.topic, 1290);
    EXPECT_EQ(c.file, "/x/qv_help.hlp");

    c = ViewerCommand::parse_text("-i /x/qv_help.hlp\n");
    EXPECT_EQ(c.kind, ViewerCommand::Contents);
    EXPECT_EQ(c.file, "/x/qv_help.hlp");

    EXPECT_EQ(ViewerCommand::parse_text("-m helpon()\n").kind, ViewerCommand::HelpOn);
    c = ViewerCommand::parse_text("-m search() /x/qv_help.hlp\n");
    EXPECT_EQ(c.kind, ViewerCommand::Search);
    EXPECT_EQ(c.file, "/x/qv_help.hlp");
    EXPECT_EQ(ViewerCommand::parse_text("-m search()\n").file, "");

    c = ViewerCommand::parse_text("-q 67890\n");
    EXPECT_EQ(c.kind, ViewerCommand::Quit);
    EXPECT_EQ(c.key, 67890);
    EXPECT_EQ(ViewerCommand::parse_text("").kind, ViewerCommand::Nothing);
}

TEST(ViewerCommand, ReportsMalformedCommands)
{
    EXPECT_EQ(ViewerCommand::parse_text("-c abc f").kind, ViewerCommand::Invalid);
    EXPECT_EQ(ViewerCommand::parse_text("-c 12").kind, ViewerCommand::Invalid);
    EXPECT_EQ(ViewerCommand::parse_text("-q").kind, ViewerCommand::Invalid);
    EXPECT_EQ(ViewerCommand::parse_text("-z").kind, ViewerCommand::Invalid);
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

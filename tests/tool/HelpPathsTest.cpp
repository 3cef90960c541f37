// Finding the help file and the viewer: find_in_path, pstat, which, set_env,
// modbasename.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "help/HelpPaths.hpp"
#include "support/TempDir.hpp"

namespace {

class HelpPaths : public testing::Test {
protected:
    void SetUp() override
    {
        one_ = dir_.path() + "/one";
        two_ = dir_.path() + "/two";
        mkdir(one_.c_str(), 0755);
        mkdir(two_.c_str(), 0755);
        saved_path_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    }
    void TearDown() override
    {
        setenv("PATH", saved_path_.c_str(), 1);
        unsetenv("QV_TEST_PATH");
    }

    std::string write(const std::string& path, mode_t mode)
    {
        const std::string full = dir_.write_file(path, "text\n");
        chmod(full.c_str(), mode);
        return full;
    }

    qv::test::TempDir dir_;
    std::string one_, two_, saved_path_;
};

TEST_F(HelpPaths, FirstDirectoryWithAReadableRegularFileWins)
{
    write("two/qv_help.hlp", 0644);
    setenv("QV_TEST_PATH", (one_ + ":" + two_).c_str(), 1);
    std::string found;
    EXPECT_EQ(find_in_path("QV_TEST_PATH", "qv_help.hlp", kRegularReadable, found), 1);
    EXPECT_EQ(found, two_ + "/qv_help.hlp");

    write("one/qv_help.hlp", 0644);
    EXPECT_EQ(find_in_path("QV_TEST_PATH", "qv_help.hlp", kRegularReadable, found), 1);
    EXPECT_EQ(found, one_ + "/qv_help.hlp");
}

TEST_F(HelpPaths, UnreadableFilesAndDirectoriesDoNotCount)
{
    write("one/qv_help.hlp", 0200);
    mkdir((two_ + "/qv_help.hlp").c_str(), 0755);
    setenv("QV_TEST_PATH", (one_ + ":" + two_).c_str(), 1);
    std::string found;
    EXPECT_EQ(find_in_path("QV_TEST_PATH", "qv_help.hlp", kRegularReadable, found), -1);
}

TEST_F(HelpPaths, UnsetVariableFindsNothing)
{
    std::string found;
    EXPECT_EQ(find_in_path("QV_TEST_PATH", "qv_help.hlp", kRegularReadable, found), -1);
}

TEST_F(HelpPaths, NameWithSlashIsTestedDirectly)
{
    const std::string file = write("one/file", 0644);
    std::string found;
    EXPECT_EQ(find_in_path("QV_TEST_PATH", file.c_str(), kRegularReadable, found), 0);
    EXPECT_EQ(found, file);
    EXPECT_EQ(find_in_path("QV_TEST_PATH", (one_ + "/missing").c_str(), kRegularReadable, found), -1);
    EXPECT_EQ(find_in_path("QV_TEST_PATH", file.c_str(), kRegularExecutable, found), -1);
}

TEST_F(HelpPaths, PstatFollowsLinksAndRewritesThePath)
{
    const std::string target = write("two/target", 0644);
    ASSERT_EQ(symlink("target", (two_ + "/relative").c_str()), 0);
    ASSERT_EQ(symlink((two_ + "/relative").c_str(), (one_ + "/absolute").c_str()), 0);
    std::string path = one_ + "/absolute";
    struct stat info {};
    EXPECT_EQ(pstat(path, info), 0);
    EXPECT_EQ(path, target);
    EXPECT_TRUE(S_ISREG(info.st_mode));
}

TEST_F(HelpPaths, PstatGivesUpOnLinkLoops)
{
    ASSERT_EQ(symlink("b", (one_ + "/a").c_str()), 0);
    ASSERT_EQ(symlink("a", (one_ + "/b").c_str()), 0);
    std::string path = one_ + "/a";
    struct stat info {};
    EXPECT_EQ(pstat(path, info), -1);
}

TEST_F(HelpPaths, WhichSearchesPath)
{
    write("two/viewer", 0755);
    setenv("PATH", (one_ + ":" + two_).c_str(), 1);
    std::string found;
    EXPECT_EQ(which("viewer", kRegularExecutable, found), 1);
    EXPECT_EQ(found, two_ + "/viewer");
}

TEST_F(HelpPaths, SetEnvPutsTheDirectoryOfAProgramNamedByPathInFront)
{
    write("two/viewer", 0755);
    setenv("PATH", "/usr/bin", 1);
    EXPECT_EQ(set_env((two_ + "/viewer").c_str()), 0);
    EXPECT_EQ(std::string(std::getenv("PATH")), two_ + ":/usr/bin");
}

TEST_F(HelpPaths, SetEnvLeavesPathAloneForAProgramOnIt)
{
    write("two/viewer", 0755);
    setenv("PATH", two_.c_str(), 1);
    EXPECT_EQ(set_env("viewer"), 0);
    EXPECT_EQ(std::string(std::getenv("PATH")), two_);
    EXPECT_EQ(set_env("no_such_program"), -1);
}

TEST(ModBasename, ReplacesTheLastComponent)
{
    std::string path = "/a/b/c";
    modbasename(path, "d");
    EXPECT_EQ(path, "/a/b/d");
    path = "plain";
    modbasename(path, "other");
    EXPECT_EQ(path, "other");
    path = "/a/";
    modbasename(path, "x");
    EXPECT_EQ(path, "/a/x");
}

}  // namespace

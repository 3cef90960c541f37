// Finding the help file and the viewer: find_in_path, pstat, which, set_env.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "help/HelpPaths.hpp"
#include "support/ScopedEnv.hpp"
#include "support/TempDir.hpp"

namespace {

class HelpPaths : public testing::Test {
protected:
    HelpPaths()
    {
        mkdir(one_.c_str(), 0755);
        mkdir(two_.c_str(), 0755);
    }
    std::string write(const std::string& path, mode_t mode)
    {
        const std::string full = dir_.write_file(path, "text\n");
        chmod(full.c_str(), mode);
        return full;
    }
    // find_in_path's answer over QV_TEST_PATH, and the path when it found one.
    static std::string found(const std::string& name, unsigned mode = kRegularReadable)
    {
        std::string path;
        const int answer = find_in_path("QV_TEST_PATH", name.c_str(), mode, path);
        return std::to_string(answer) + (answer >= 0 ? " " + path : "");
    }

    qv::test::TempDir dir_;
    const std::string one_ = dir_.path() + "/one", two_ = dir_.path() + "/two";
    qv::test::ScopedEnv search_{"QV_TEST_PATH", nullptr};
    qv::test::ScopedEnv path_{"PATH", std::getenv("PATH")};
};

TEST_F(HelpPaths, FirstDirectoryWithAReadableRegularFileWins)
{
    EXPECT_EQ(found("qv_help.hlp"), "-1");  // unset variable
    search_.set((one_ + ":" + two_).c_str());
    write("two/qv_help.hlp", 0644);
    EXPECT_EQ(found("qv_help.hlp"), "1 " + two_ + "/qv_help.hlp");
    write("one/qv_help.hlp", 0644);
    EXPECT_EQ(found("qv_help.hlp"), "1 " + one_ + "/qv_help.hlp");
}

TEST_F(HelpPaths, UnreadableFilesAndDirectoriesDoNotCount)
{
    write("one/qv_help.hlp", 0200);
    mkdir((two_ + "/qv_help.hlp").c_str(), 0755);
    search_.set((one_ + ":" + two_).c_str());
    EXPECT_EQ(found("qv_help.hlp"), "-1");
}

TEST_F(HelpPaths, NameWithSlashIsTestedDirectly)
{
    const std::string file = write("one/file", 0644);
    EXPECT_EQ(found(file), "0 " + file);
    EXPECT_EQ(found(one_ + "/missing"), "-1");
    EXPECT_EQ(found(file, kRegularExecutable), "-1");
}

TEST_F(HelpPaths, PstatFollowsLinksAndRewritesThePathButNotForever)
{
    const std::string target = write("two/target", 0644);
    ASSERT_EQ(symlink("target", (two_ + "/relative").c_str()), 0);
    ASSERT_EQ(symlink((two_ + "/relative").c_str(), (one_ + "/absolute").c_str()), 0);
    std::string path = one_ + "/absolute";
    struct stat info {};
    EXPECT_EQ(pstat(path, info), 0);
    EXPECT_EQ(path, target);
    EXPECT_TRUE(S_ISREG(info.st_mode));

    ASSERT_EQ(symlink("b", (one_ + "/a").c_str()), 0);
    ASSERT_EQ(symlink("a", (one_ + "/b").c_str()), 0);
    path = one_ + "/a";
    EXPECT_EQ(pstat(path, info), -1);
}

TEST_F(HelpPaths, WhichAndSetEnvSearchPathAndPutAProgramNamedByPathInFront)
{
    write("two/viewer", 0755);
    path_.set((one_ + ":" + two_).c_str());
    std::string found;
    EXPECT_EQ(which("viewer", kRegularExecutable, found), 1);
    EXPECT_EQ(found, two_ + "/viewer");
    EXPECT_EQ(set_env("viewer"), 0);
    EXPECT_EQ(std::string(std::getenv("PATH")), one_ + ":" + two_);
    EXPECT_EQ(set_env("no_such_program"), -1);

    path_.set("/usr/bin");
    EXPECT_EQ(set_env((two_ + "/viewer").c_str()), 0);
    EXPECT_EQ(std::string(std::getenv("PATH")), two_ + ":/usr/bin");
}

}  // namespace

// The ways qv_tolvar ends before it needs a window: usage errors and a
// display that cannot be opened.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/RunBinary.hpp"

namespace {

qv::test::RunResult run_without_display(const std::vector<std::string>& args)
{
    qv::test::RunOptions options;
    options.unset_env = {"DISPLAY"};
    options.timeout_seconds = 30;
    return qv::test::run_binary("qv_tolvar", args, options);
}

TEST(ToolBinary, HelpAndBadCommandLinesPrintTheUsageAndEndWithOne)
{
    const std::vector<std::vector<std::string>> refused = {
        {"-help"}, {"-h"},
        {"-i", "12"}, {"-ID", "12"}, {"12"}, {"-bogus"},  // only whole option names match
        {"-snmp", "router1"},                             // a flag takes no word
        {"-host"}, {"-host", "a", "b"},                   // one word exactly
    };
    for (const auto& args : refused) {
        const auto result = run_without_display(args);
        SCOPED_TRACE(args.at(0) + (args.size() > 1 ? " " + args[1] : ""));
        ASSERT_TRUE(result.exited);
        EXPECT_EQ(result.exit_status, 1);
        std::vector<std::string> lines;
        std::istringstream in(result.err);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        ASSERT_EQ(lines.size(), 14u) << result.err;
        EXPECT_EQ(lines[0].rfind("Usage: qv_tolvar [-cmip] [-help] [-host <server>]", 0), 0u);
        EXPECT_EQ(lines[13], "\t-bus_locations <x:y:z [x:y:z]>\t: Points for bus location");
        EXPECT_EQ(result.out, "");
    }
}

TEST(ToolBinary, NoDisplayIsReportedOnStdoutWithStatus255)
{
    const auto result = run_without_display({"-id", "12"});
    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.exit_status, 255);
    EXPECT_NE(result.out.find(": can't open display, exiting...\n"), std::string::npos) << result.out;
}

}  // namespace

// The ways qv_tolvar ends before it needs a window: usage errors and a
// display that cannot be opened.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/RunBinary.hpp"

namespace {

using qv::test::run_binary;
using qv::test::RunOptions;

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

RunOptions without_display()
{
    RunOptions options;
    options.unset_env = {"DISPLAY"};
    options.timeout_seconds = 30;
    return options;
}

void expect_usage(const std::vector<std::string>& args)
{
    const auto result = run_binary("qv_tolvar", args, without_display());
    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.exit_status, 1);
    const auto lines = lines_of(result.err);
    ASSERT_EQ(lines.size(), 14u) << result.err;
    EXPECT_EQ(lines[0].rfind("Usage: qv_tolvar [-cmip] [-help] [-host <server>]", 0), 0u);
    EXPECT_EQ(lines[13], "\t-bus_locations <x:y:z [x:y:z]>\t: Points for bus location");
    EXPECT_EQ(result.out, "");
}

TEST(ToolBinary, HelpOptionPrintsUsageAndEndsWithOne)
{
    expect_usage({"-help"});
    expect_usage({"-h"});
}

TEST(ToolBinary, BadOptionsPrintUsageAndEndWithOne)
{
    expect_usage({"-i", "12"});
    expect_usage({"-snmp", "router1"});
    expect_usage({"-host"});
    expect_usage({"-host", "a", "b"});
}

TEST(ToolBinary, NoDisplayIsReportedOnStdoutWithStatus255)
{
    const auto result = run_binary("qv_tolvar", {"-id", "12"}, without_display());
    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.exit_status, 255);
    EXPECT_NE(result.out.find(": can't open display, exiting...\n"), std::string::npos) << result.out;
}

}  // namespace

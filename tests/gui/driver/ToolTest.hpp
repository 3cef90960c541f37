// Base of the in-process GUI tests: an unexpected end of the program fails
// the test loudly instead of passing as a clean exit.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/TestServer.hpp"

namespace qv::gui {

class ToolTest : public testing::Test {
protected:
    void SetUp() override;

    // Answers every error dialog with OK (error_messages() has them) and
    // starts the tool with args against server_, started first on the
    // fixture without logins unless the test started one.
    void start(const std::vector<std::string>& args, const std::map<std::string, std::string>& env = {});
    std::unique_ptr<qv::test::TestServer> server_;

    // For death tests: prints "exit status N" on stderr as the program ends,
    // followed by the text of report_extra() when set.
    static void report_exit_status();
};

// What the death tests' reports may add, e.g. a count of dialogs seen.
extern int dialogs_seen;

using qv::test::unused_port;

}  // namespace qv::gui

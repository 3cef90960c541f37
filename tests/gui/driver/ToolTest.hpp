// Base of the in-process GUI tests: an unexpected end of the program fails
// the test loudly instead of passing as a clean exit.
#pragma once

#include <gtest/gtest.h>

namespace qv::gui {

class ToolTest : public testing::Test {
protected:
    void SetUp() override;

    // For death tests: prints "exit status N" on stderr as the program ends,
    // followed by the text of report_extra() when set.
    static void report_exit_status();
};

// What the death tests' reports may add, e.g. a count of dialogs seen.
extern int dialogs_seen;

// A free loopback port with nothing listening on it.
int unused_port();

}  // namespace qv::gui

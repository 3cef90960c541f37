// Window titles from catalogue texts: a catalogue may hold any text, so marks
// beyond the two the tool fills must not reach the formatter.
#include <gtest/gtest.h>

#include "main/TitleText.hpp"

TEST(TitleText, FirstMarkIsTheVersionSecondTheServerAndNoMoreAreFilled)
{
    EXPECT_EQ(format_title("Zentra - Object Properties", "4.0", "mgr"), "Zentra - Object Properties");
    EXPECT_EQ(format_title("QV %s on %s", "4.0", "mgr"), "QV 4.0 on mgr");
    EXPECT_EQ(format_title("Corvane QV %s: Login Window", "4.0", ""), "Corvane QV 4.0: Login Window");
    EXPECT_EQ(format_title("%s %s %s", "a", "b"), "a b %s");
}

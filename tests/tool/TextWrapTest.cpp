// Breaking texts to a width, measured here in characters (UTF-8 locale).
#include <gtest/gtest.h>

#include <clocale>

#include "gui/TextWrap.hpp"

namespace {

using Lines = std::vector<std::string>;

// Characters, not bytes: "ä" is one.
int chars(const std::string& text)
{
    int n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

TEST(TextWrap, BreaksAtBlanksThenInsideWordsKeepingLineBreaksAndCharacters)
{
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    EXPECT_EQ(wrap_lines("short\n  kept as it is", 20, chars), (Lines{"short", "  kept as it is"}));
    EXPECT_EQ(wrap_lines("one two three four", 9, chars), (Lines{"one two", "three", "four"}));
    EXPECT_EQ(wrap_lines("to hhhhhhhhhh refused", 4, chars), (Lines{"to", "hhhh", "hhhh", "hh", "refu", "sed"}));
    EXPECT_EQ(wrap_lines("äöüäöü", 4, chars), (Lines{"äöüä", "öü"}));
}

TEST(TextWrap, TooManyLinesEndInAnEllipsisWithinTheWidth)
{
    const Lines lines = {"first", "second", "third"};
    EXPECT_EQ(elide_lines(lines, 3, 6, "…", chars), lines);
    EXPECT_EQ(elide_lines(lines, 2, 6, "…", chars), (Lines{"first", "secon…"}));
    EXPECT_EQ(elide_lines(lines, 0, 6, "…", chars), (Lines{"first…"}));
    EXPECT_EQ(join_lines({"a", "b"}), "a\nb");
}

}  // namespace

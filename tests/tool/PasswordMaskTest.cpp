// The masking rules of the login dialog's password field, as the field's
// verify callback applies them.
#include <gtest/gtest.h>

#include <string>

#include "main/PasswordMask.hpp"

namespace {

using Verdict = PasswordMask::Verdict;

// A field that applies the verdicts the way the text widget does.
class Field {
public:
    Verdict type(const std::string& c)
    {
        const int n = static_cast<int>(shown.size());
        const Verdict v = mask.verify({n, n, n, n, 1, c});
        if (v == Verdict::Append)
            shown += PasswordMask::kMaskChar;
        return v;
    }
    Verdict backspace()
    {
        const int n = static_cast<int>(shown.size());
        const Verdict v = mask.verify({n, n, n - 1, n, 0, ""});
        if (v == Verdict::Delete)
            shown.resize(static_cast<std::size_t>(n - 1));
        return v;
    }

    PasswordMask mask;
    std::string shown;
};

TEST(PasswordMask, TypedCharactersAreKeptAndShownAsAsterisks)
{
    Field field;
    field.type("s");
    field.type("e");
    field.type("c");
    EXPECT_EQ(field.mask.password(), "sec");
    EXPECT_EQ(field.shown, "***");
}

TEST(PasswordMask, TwoCharactersAndABackspaceLeaveOne)
{
    Field field;
    field.type("a");
    field.type("b");
    EXPECT_EQ(field.backspace(), Verdict::Delete);
    EXPECT_EQ(field.mask.password(), "a");
    EXPECT_EQ(field.shown, "*");
}

TEST(PasswordMask, DeletionCutsAtItsStartAndTakesTheRest)
{
    Field field;
    for (char c : std::string("secret"))
        field.type(std::string(1, c));
    // Deleting a selection from position 2 on cuts the password there.
    EXPECT_EQ(field.mask.verify({6, 6, 2, 4, 0, ""}), Verdict::Delete);
    EXPECT_EQ(field.mask.password(), "se");
}

TEST(PasswordMask, CharactersOfSeveralBytesCountAsOne)
{
    Field field;
    for (const char* c : {"p", "\xC3\xA4", "s", "s", "w", "\xC3\xB6", "r", "d"})
        field.type(c);
    EXPECT_EQ(field.mask.password(), std::string("p\xC3\xA4ssw\xC3\xB6rd"));
    EXPECT_EQ(field.shown, "********");
    // Cutting at the third character keeps both bytes of the second.
    EXPECT_EQ(field.mask.verify({8, 8, 2, 8, 0, ""}), Verdict::Delete);
    EXPECT_EQ(field.mask.password(), "p\xC3\xA4");
}

TEST(PasswordMask, PastingSeveralCharactersIsRefused)
{
    Field field;
    field.type("a");
    EXPECT_EQ(field.mask.verify({1, 1, 1, 1, 5, "x"}), Verdict::Refuse);
    EXPECT_EQ(field.mask.password(), "a");
}

TEST(PasswordMask, InsertingAnywhereButTheEndIsRefused)
{
    Field field;
    field.type("a");
    field.type("b");
    EXPECT_EQ(field.mask.verify({2, 2, 1, 1, 1, "x"}), Verdict::Refuse);
    EXPECT_EQ(field.mask.verify({2, 2, 0, 2, 1, "x"}), Verdict::Refuse);
    EXPECT_EQ(field.mask.password(), "ab");
}

TEST(PasswordMask, TheInsertionPointMayOnlyMoveToTheEnd)
{
    EXPECT_TRUE(PasswordMask::allow_move(3, 3));
    EXPECT_FALSE(PasswordMask::allow_move(3, 0));
    EXPECT_FALSE(PasswordMask::allow_move(3, 2));
}

TEST(PasswordMask, ClearForgetsThePassword)
{
    Field field;
    field.type("a");
    field.mask.clear();
    EXPECT_EQ(field.mask.password(), "");
}

}  // namespace

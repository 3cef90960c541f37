// The masking rules of the login dialog's password field, as the field's
// verify callback applies them.
#include <gtest/gtest.h>

#include <string>

#include "main/PasswordMask.hpp"

namespace {

using Verdict = PasswordMask::Verdict;

// A field that applies the verdicts the way the text widget does.
struct Field {
    void type(const std::string& c)
    {
        const int n = static_cast<int>(shown.size());
        if (mask.verify({n, n, n, n, 1, c}) == Verdict::Append)
            shown += PasswordMask::kMaskChar;
    }
    Verdict erase(int from, int to)
    {
        const int n = static_cast<int>(shown.size());
        const Verdict v = mask.verify({n, n, from, to, 0, ""});
        if (v == Verdict::Delete)
            shown.resize(static_cast<std::size_t>(from));
        return v;
    }

    PasswordMask mask;
    std::string shown;
};

TEST(PasswordMask, CharactersOfAnySizeAreKeptShownAsAsterisksAndCutFromTheEnd)
{
    Field field;
    for (const char* c : {"p", "\xC3\xA4", "s", "s", "w", "\xC3\xB6", "r", "d"})
        field.type(c);
    EXPECT_EQ(field.mask.password(), "p\xC3\xA4ssw\xC3\xB6rd");
    EXPECT_EQ(field.shown, "********");
    EXPECT_EQ(field.erase(7, 8), Verdict::Delete);  // Backspace
    EXPECT_EQ(field.mask.password(), "p\xC3\xA4ssw\xC3\xB6r");
    // Deleting a selection cuts at its start and takes the rest; the cut
    // after the second character keeps both of its bytes.
    EXPECT_EQ(field.erase(2, 4), Verdict::Delete);
    EXPECT_EQ(field.mask.password(), "p\xC3\xA4");
    EXPECT_EQ(field.shown, "**");
    field.mask.clear();
    EXPECT_EQ(field.mask.password(), "");
}

TEST(PasswordMask, PastingAndInsertingAnywhereButTheEndAreRefused)
{
    Field field;
    field.type("a");
    field.type("b");
    EXPECT_EQ(field.mask.verify({2, 2, 2, 2, 5, "x"}), Verdict::Refuse);  // a paste of several
    EXPECT_EQ(field.mask.verify({2, 2, 1, 1, 1, "x"}), Verdict::Refuse);
    EXPECT_EQ(field.mask.verify({2, 2, 0, 2, 1, "x"}), Verdict::Refuse);
    EXPECT_EQ(field.mask.password(), "ab");
}

}  // namespace

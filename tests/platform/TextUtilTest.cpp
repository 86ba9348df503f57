#include "platform/TextUtil.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(TextUtil, LowerCasesAsciiLettersOnly)
{
    EXPECT_EQ(asciiLower("AbZ-09\xC3\x84"), "abz-09\xC3\x84");
    EXPECT_EQ(asciiLower('@'), '@');
    EXPECT_EQ(asciiLower('['), '[');
}

TEST(TextUtil, CompareNoCaseOrdersPrefixFirstAndBytesSigned)
{
    EXPECT_EQ(compareInProjectOrder("Apple", "aPPLE"), 0);
    EXPECT_LT(compareInProjectOrder("app", "Apple"), 0);
    EXPECT_GT(compareInProjectOrder("apple", "APP"), 0);
    // A byte above 0x7F is negative as a signed value, so it sorts first.
    EXPECT_LT(compareInProjectOrder("\xE9t\xE9", "ete"), 0);
    // '_' (0x5F) lies between upper and lower case letters: folding decides.
    EXPECT_GT(compareInProjectOrder("B", "_"), 0);
    // The index's order takes the same byte unsigned: it sorts last there.
    EXPECT_GT(compareInIndexOrder("\xE9t\xE9", "ete"), 0);
    EXPECT_EQ(compareInIndexOrder("Apple", "aPPLE"), 0);
    EXPECT_LT(compareInIndexOrder("app", "Apple"), 0);
    EXPECT_GT(compareInIndexOrder("B", "_"), 0);
    EXPECT_TRUE(startsWithNoCase("/Home/Proj/x.htm", "/home/proj/"));
    EXPECT_FALSE(startsWithNoCase("/home", "/home/proj/"));
}

TEST(TextUtil, SplitLinesEndsLinesAtLfAloneAndDropsTheirCr)
{
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitLines(""), Lines {});
    EXPECT_EQ(splitLines("a\r\nb\nc"), (Lines {"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\rb\r\n\r\n"), (Lines {"a\rb", ""}));
    EXPECT_EQ(splitLines("\n\nlast\r"), (Lines {"", "", "last"}));
}

TEST(TextUtil, UnescapeDropsEscapingBackslashes)
{
    EXPECT_EQ(unescapeField("\\\""), "\"");
    EXPECT_EQ(unescapeField("a\\\\b"), "a\\b");
    EXPECT_EQ(unescapeField("\\\\\\x"), "\\x");
    EXPECT_EQ(unescapeField("end\\"), "end");
    EXPECT_EQ(unescapeField("plain"), "plain");
    EXPECT_EQ(unescapeField("\\"), "");
    EXPECT_EQ(unescapeField("\\a\\b c\\\\"), "ab c\\");
}

TEST(TextUtil, TrimRemovesBlanksTabsAndLineEnds)
{
    EXPECT_EQ(trim(" \t x y\r\n"), "x y");
    EXPECT_EQ(trimLeft("\n a "), "a ");
    EXPECT_EQ(trimRight(" a \r"), " a");
    EXPECT_EQ(trim(" \t\r\n"), "");
}

} // namespace
} // namespace torvane

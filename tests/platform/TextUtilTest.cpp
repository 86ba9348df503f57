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
    EXPECT_EQ(compareNoCase("Apple", "aPPLE"), 0);
    EXPECT_LT(compareNoCase("app", "Apple"), 0);
    EXPECT_GT(compareNoCase("apple", "APP"), 0);
    // A byte above 0x7F is negative as a signed value, so it sorts first.
    EXPECT_LT(compareNoCase("\xE9t\xE9", "ete"), 0);
    // '_' (0x5F) lies between upper and lower case letters: folding decides.
    EXPECT_GT(compareNoCase("B", "_"), 0);
    EXPECT_TRUE(startsWithNoCase("/Home/Proj/x.htm", "/home/proj/"));
    EXPECT_FALSE(startsWithNoCase("/home", "/home/proj/"));
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

}  // namespace
}  // namespace torvane

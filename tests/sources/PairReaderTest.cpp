#include "sources/PairReader.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

TEST(ParsePairs, QuotedAndPlainValuesSeparatedByCommasBlanksAndTabs)
{
    const NameValueList expected {{"IndexAs", "Apples"}, {"SortAs", ""}, {"URL", "http://x/y"}, {"HelpAs", "a b"}};
    EXPECT_EQ(parsePairs("IndexAs=\"Apples\",SortAs=\"\" ,\tURL=http://x/y HelpAs=\"a b\""), expected);
}

TEST(ParsePairs, EscapesStayInValueAndDoNotEndIt)
{
    const NameValueList expected {{"A", "say \\\"hi\\\""}, {"B", "c:\\\\"}, {"C", "x\\ y"}};
    EXPECT_EQ(parsePairs("A=\"say \\\"hi\\\"\",B=\"c:\\\\\",C=x\\ y "), expected);
}

TEST(ParsePairs, LineEndsCountAsSpaces)
{
    const NameValueList expected {{"Target", "#"}, {"IndexAs", "two  lines"}, {"URL", "u"}};
    EXPECT_EQ(parsePairs("Target=\"#\"\r\n  IndexAs=\"two\r\nlines\"\nURL=u\r"), expected);
}

TEST(ParsePairs, OpenValueAtEndIsDroppedWithItsName)
{
    const NameValueList expected {{"A", "1"}};
    EXPECT_EQ(parsePairs("A=\"1\",B=\"never closed"), expected);
    EXPECT_EQ(parsePairs("A=\"1\" B=plain-without-blank"), expected);
    EXPECT_EQ(parsePairs("A=\"1\" B=\"ends in escape\\\""), expected);
    EXPECT_EQ(parsePairs("A=\"1\" trailing words"), expected);
}

TEST(ParsePairs, EmptyAndSeparatorOnlyTextsGiveNoPairs)
{
    EXPECT_TRUE(parsePairs("").empty());
    EXPECT_TRUE(parsePairs(" ,\t,\r\n").empty());
}

TEST(ParsePairs, NameRunsToFirstEqualsSign)
{
    const NameValueList expected {{"odd name", "v"}, {"k", "a=b"}};
    EXPECT_EQ(parsePairs("odd name=\"v\" k=a=b "), expected);
}

} // namespace
} // namespace torvane

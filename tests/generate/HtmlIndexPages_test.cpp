#include "HtmlIndexFixture.h"

namespace torvane::testing {
namespace {

TEST_F(HtmlIndexTest, OnePageWithClassesAndHangingLines)
{
    addLettersADF();
    EXPECT_TRUE(make());
    EXPECT_TRUE(messages.messages.empty());
    expectFilesOf("single");
}

TEST_F(HtmlIndexTest, LinksAtTopAndBottomWithReturnLinksAndGroupRules)
{
    addLettersADF();
    style.linksPlacement = 1;
    style.linksVerticalBars = 1;
    style.groupsRule = 1;
    style.returnLink = 1;
    style.returnText = "Back";
    style.stylesheetPath = "css/index.css";
    style.bodyAttributes = "bgcolor=\"#FFFFFF\"";
    EXPECT_TRUE(make());
    expectFilesOf("top_and_bottom");
}

TEST_F(HtmlIndexTest, FrameSetWithNavigationAndContentPages)
{
    entry("#hash", "#hash", "s.htm");
    entry("3d", "3D", "n.htm");
    entry("apple", "Apple", "a.htm");
    entry("apple", "Apple", "b.htm#x");
    entry("dog", "Dog", "d.htm", "_top");
    entry("fruit apples", "Fruit, Apples", "f.htm#ap");
    entry("fruit pears", "Fruit, Pears", "f.htm#pe");
    style.linksPlacement = 2;
    style.linksSymbols = 1;  // frames keep the links anyway
    style.htmlIndexTarget = "main";
    EXPECT_TRUE(make());
    expectFilesOf("frames");
}

TEST_F(HtmlIndexTest, FrameSetWithOnePagePerGroupBreaksColumnsBetweenNodes)
{
    addLettersADF();
    entry("fig", "Fig", "fig.htm");
    entry("fish", "Fish", "fish.htm");
    // Pages of an earlier run that this one does not write again.
    writeBytes(dir / "Index-Q.htm", "old");
    writeBytes(dir / "Index-content.htm", "old");
    style.linksPlacement = 2;
    style.separateFiles = 1;
    style.columns = 2;
    EXPECT_TRUE(make());
    expectFilesOf("frames_separate");
}

TEST_F(HtmlIndexTest, EmptyLettersJoinTheNextHeading)
{
    addLettersADF();
    style.emptyHeadings = 1;
    EXPECT_TRUE(make());
    expectFilesOf("empty_headings_next");
}

TEST_F(HtmlIndexTest, EmptyLettersLeftOutAndHeadingsWithoutText)
{
    addLettersADF();
    style.emptyHeadings = 2;
    style.includeHeadings = 0;
    EXPECT_TRUE(make());
    expectFilesOf("empty_headings_omitted");
}

TEST_F(HtmlIndexTest, SymbolsAndNumbersWithoutLinks)
{
    entry("#hash", "#hash", "s.htm");
    entry("3d", "3D", "n.htm");
    entry("apple", "Apple", "a.htm");
    style.linksSymbols = 1;
    EXPECT_TRUE(make());
    expectFilesOf("symbols_without_links");
}

TEST_F(HtmlIndexTest, SymbolsAndNumbersPagesWithoutHeadings)
{
    entry("#hash", "#hash", "s.htm");
    entry("3d", "3D", "n.htm");
    entry("apple", "Apple", "a.htm");
    style.groupsSymbols = 1;
    style.separateFiles = 1;
    EXPECT_TRUE(make());
    expectFilesOf("symbols_pages_without_headings");
}

} // namespace
} // namespace torvane::testing

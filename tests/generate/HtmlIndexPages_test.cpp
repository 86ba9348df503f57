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
    style.linksSymbols = 1;   // frames keep the links anyway
    style.groupsSymbols = 1;  // and the headings they lead to
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
    const std::string earlier = "<HTML>\r\n<HEAD>\r\n  <META NAME=\"GENERATOR\" CONTENT=\"HTML Torvane (tm)\">\r\n";
    writeBytes(dir / "Index-Q.htm", earlier);
    writeBytes(dir / "Index-content.htm", earlier);
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

TEST_F(HtmlIndexTest, ThreeColumnsBreakAtTheFirstGroupAfterEachThird)
{
    for (const char* word : {"Ant", "Axe", "Bee", "Cat", "Cow", "Cub", "Dog", "Eel", "Elk"}) {
        std::string key = word;
        key[0] = static_cast<char>(key[0] - 'A' + 'a');
        entry(key, word, key + ".htm");
    }
    style.columns = 3;
    style.longLinesWrap = 1;
    style.groupsRule = 1;
    EXPECT_TRUE(make());
    expectFilesOf("three_columns");
}

TEST_F(HtmlIndexTest, ReturnImagesAndPlainLinesInTwoColumns)
{
    addLettersADF();
    style.linksPlacement = 1;
    style.columns = 2;
    style.returnLink = 2;
    style.returnPath = "img/";
    style.useClasses = 0;
    EXPECT_TRUE(make());
    expectFilesOf("return_images_plain");
}

TEST_F(HtmlIndexTest, NonBreakingSpacesIndentLevelsAndSingleChildrenShareTheLine)
{
    entry("fig dried", "Fig, Dried", "fd.htm");
    entry("fruit apples green", "Fruit, Apples, Green", "g.htm");
    entry("fruit apples red", "Fruit, Apples, Red", "r.htm");
    entry("fruit pears", "Fruit, Pears", "p.htm");
    style.useNbsps = 1;
    style.useClasses = 0;
    style.includeHeadings = 0;
    EXPECT_TRUE(make());
    expectFilesOf("nbsp_levels");
}

TEST_F(HtmlIndexTest, CrossReferencesAndTheirAnchors)
{
    entry("apple", "Apple", "a.htm");
    see("Apple", ".", "See also", "pears");
    entry("pears", "pears", "p.htm");
    see("Cider", ",", "See", "Apple", false);
    style.useNbsps = 1;
    EXPECT_TRUE(make());
    expectFilesOf("cross_references");
}

TEST_F(HtmlIndexTest, RunInParagraphs)
{
    entry("apple", "Apple", "a.htm");
    entry("apple", "Apple", "b.htm#x");
    entry("fig dried", "Fig, Dried", "fd.htm");
    entry("fish", "fish", "fish.htm");
    entry("fish, cod", "fish, cod", "cod.htm");
    entry("fish, eel", "fish, eel", "eel.htm");
    entry("fruit apples", "Fruit, Apples", "f.htm#ap");
    entry("fruit pears", "Fruit, Pears", "f.htm#pe");
    see("Eels", ",", "See", "fish, eel");
    style.multiLevel = 1;
    style.useNbsps = 1;  // no effect on paragraphs
    EXPECT_TRUE(make());
    expectFilesOf("run_in");

    style.useClasses = 0;
    EXPECT_TRUE(make());
    EXPECT_NE(readBytes(dir / "Index.htm")
                  .find("</H3>\r\n    <A HREF=\"a.htm\">Apple</A>, \r\n      <A HREF=\"b.htm#x\">Apple</A><BR>\r\n"),
              std::string::npos);
}

TEST_F(HtmlIndexTest, IncludeFilesAroundTheIndex)
{
    std::filesystem::create_directories(dir / "inc");
    writeBytes(dir / "inc/Top.htm", "<P>Top of the index</P>\n<P>Second line</P>");
    writeBytes(dir / "inc/Bottom.htm", "<P>Bottom</P>\r\n\r\n<P>End</P>\r\n");
    addLettersADF();
    style.includeTop = 1;
    style.includeBottom = 1;
    style.includePath = "inc/";
    style.returnLink = 1;
    EXPECT_TRUE(make());
    EXPECT_TRUE(messages.messages.empty());
    expectFilesOf("include_files");
}

TEST_F(HtmlIndexTest, ImagesInsteadOfText)
{
    addLettersADF();
    style.linksAppearance = 1;
    style.linksGraphicsPath = "gif/";
    style.linksVerticalBars = 1;  // images are never separated by bars
    style.groupsAppearance = 1;
    style.groupsGraphicsPath = "hd/";
    EXPECT_TRUE(make());
    expectFilesOf("images");
}

TEST_F(HtmlIndexTest, AHeadingWithoutSortTextIsFiledWithTheSymbols)
{
    entry("apple", "Apple", "a.htm");
    generator.addCrossReference("Misc", "", ",", "See", "apple", "apple", true);
    EXPECT_TRUE(make());
    EXPECT_NE(readBytes(dir / "Index.htm")
                  .find("  <H3><A NAME=\"Symbols\">Symbols</A></H3>\r\n"
                        "    <P CLASS=\"index01\">Misc, See <A HREF=\"#TVXR0001\" TARGET=\"_self\">apple</A></P>\r\n"),
              std::string::npos);
}

} // namespace
} // namespace torvane::testing

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
    style.linksSymbols = 1; // frames keep the links anyway
    style.groupsSymbols = 1; // and the headings they lead to
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

// Where each column break of a page falls, as the text that follows it.
std::vector<std::string> textsAfterBreaks(const std::string& page)
{
    const std::string columnBreak = "</TD>\r\n  <TD NOWRAP WIDTH=";
    std::vector<std::string> after;
    for (std::size_t at = page.find(columnBreak); at != std::string::npos; at = page.find(columnBreak, at + 1)) {
        const std::size_t next = page.find("\r\n\r\n", at) + 4;
        after.push_back(page.substr(next, page.find("\r\n", next) - next));
    }
    return after;
}

// Pages of many buffers' worth break where the counted lines say, although
// the lines are counted in one pass and written in another.
TEST_F(HtmlIndexTest, LargePagesBreakTheirColumnsAtTheCountedShare)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        for (int i = 1000; i < 1300; ++i) {
            const std::string text = std::string(1, letter) + "ntry " + std::to_string(i);
            std::string key = text;
            key[0] = static_cast<char>(key[0] - 'A' + 'a');
            entry(key, text, "page" + std::to_string(i) + ".htm#" + std::string(1, letter));
        }
    style.columns = 2;
    ASSERT_TRUE(make());
    const std::string page = readBytes(dir / "Index.htm");
    ASSERT_GT(page.size(), 500'000u);
    // 26 groups of one heading and 300 lines, each group counting one more:
    // the first column ends once more than 13 groups' lines are written.
    EXPECT_EQ(textsAfterBreaks(page), (std::vector<std::string> {"  <H3><A NAME=\"O\">O</A></H3>"}));
    EXPECT_EQ(page.substr(page.size() - 18), "</BODY>\r\n</HTML>\r\n");

    // On a letter's own page the columns break between entries: 3,002 lines
    // counted (the heading, 3,000 entries, the group's own), a third is 1,000.
    generator.reset();
    for (int i = 1000; i < 4000; ++i)
        entry("kentry " + std::to_string(i), "Kentry " + std::to_string(i), "k.htm");
    style.columns = 3;
    style.separateFiles = 1;
    ASSERT_TRUE(make());
    EXPECT_EQ(textsAfterBreaks(readBytes(dir / "Index-K.htm")),
              (std::vector<std::string> {"    <P CLASS=\"index01\"><A HREF=\"k.htm\">Kentry 1999</A></P>",
                                         "    <P CLASS=\"index01\"><A HREF=\"k.htm\">Kentry 3000</A></P>"}));
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
    style.useNbsps = 1; // no effect on paragraphs
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
    style.linksVerticalBars = 1; // images are never separated by bars
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

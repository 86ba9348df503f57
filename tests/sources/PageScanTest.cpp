#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvane {
namespace {

struct ScannedPage {
    FileReports reports;
    CHtmlFile file {reports};

    explicit ScannedPage(std::string text)
    {
        file.setWholeText(std::move(text));
        file.ScanPage();
    }

    std::vector<std::string> segments() const
    {
        std::vector<std::string> pieces;
        for (std::size_t i = 0; i < file.segmentCount(); ++i)
            pieces.emplace_back(file.segment(i));
        return pieces;
    }
};

using Pieces = std::vector<std::string>;

TEST(PageSegments, CommentsAndCommentElementsAlternateWithText)
{
    ScannedPage page("a<!--b-->c<COMMENT x>d</Comment >e<!---->");
    EXPECT_EQ(page.segments(), (Pieces {"a", "<!--b-->", "c", "<COMMENT x>d</Comment >", "e", "<!---->"}));
    EXPECT_EQ(page.file.strippedText(), "ace");
    EXPECT_EQ(page.file.commentText(), "<!--b--><COMMENT x>d</Comment ><!---->");
}

TEST(PageSegments, PageStartingWithCommentGetsEmptyFirstSegment)
{
    ScannedPage page("<!-- x -->tail");
    EXPECT_EQ(page.segments(), (Pieces {"", "<!-- x -->", "tail"}));
}

TEST(PageSegments, HtmlCommentsNestAndNeedOneEndEach)
{
    ScannedPage page("x<!-- a <!-- b --> still inside --> y <!--c-->");
    EXPECT_EQ(page.segments(), (Pieces {"x", "<!-- a <!-- b --> still inside -->", " y ", "<!--c-->"}));
}

TEST(PageSegments, UnterminatedCommentsRunToTheEnd)
{
    EXPECT_EQ(ScannedPage("x<!-- never <!-- closed -->").segments(), (Pieces {"x", "<!-- never <!-- closed -->"}));
    EXPECT_EQ(ScannedPage("x<comment never").segments(), (Pieces {"x", "<comment never"}));
    EXPECT_EQ(ScannedPage("x<comment a>b</comment").segments(), (Pieces {"x", "<comment a>b</comment"}));
    EXPECT_EQ(ScannedPage("x<comment a>no end tag <!-- -->").segments(),
              (Pieces {"x", "<comment a>no end tag <!-- -->"}));
}

// The markup search looks at many places of a long page at once: a comment,
// a script and an anchor are found wherever they fall among those places.
TEST(PageSegments, MarkupFoundAtEveryPlaceOfALongPage)
{
    for (std::size_t at = 0; at < 80; ++at) {
        const std::string filler(at, 'x');
        const ScannedPage page(filler + "<!-- c --><script>\"<!--\"</script><a name=\"n\">t</a>" +
                               std::string(70, 'y'));
        EXPECT_EQ(page.segments(), (Pieces {filler, "<!-- c -->",
                                            "<script>\"<!--\"</script><a name=\"n\">t</a>" + std::string(70, 'y')}))
            << at;
        ASSERT_EQ(page.file.anchors().size(), 1u) << at;
        EXPECT_EQ(page.file.anchors()[0].name, "n") << at;
    }
}

TEST(PageSegments, EmptyPageHasNoSegments)
{
    ScannedPage page("");
    EXPECT_EQ(page.file.segmentCount(), 0u);
    EXPECT_EQ(page.file.headingText(), "");
    EXPECT_TRUE(page.file.anchors().empty());
}

TEST(FirstHeading, EarliestHeadingOfAnyLevelInAnyCase)
{
    ScannedPage page("<H2 class=x> Second\r\nlevel\t first </H2><h1>One</h1>");
    EXPECT_EQ(page.file.headingText(), "Second  level\t first");
}

TEST(FirstHeading, EndTagMustHaveTheSameLevel)
{
    EXPECT_EQ(ScannedPage("<h1>Broken</h2> <h3>Later</h3>").file.headingText(), "");
    EXPECT_EQ(ScannedPage("<h1 never closed").file.headingText(), "");
}

TEST(FirstHeading, InnerMarkupKeptAndCommentedHeadingsIgnored)
{
    ScannedPage page("<!-- <h1>Hidden</h1> --><h3><a name=\"t\">Top</a> &amp; more</h3>");
    EXPECT_EQ(page.file.headingText(), "<a name=\"t\">Top</a> &amp; more");
}

TEST(Title, MultiLineTitleBecomesOneLine)
{
    EXPECT_EQ(ScannedPage("<TITLE lang=en>\r\n  My\r\nPage\n</Title>").file.titleText(), "My  Page");
    EXPECT_EQ(ScannedPage("<title>CR only\rlines</title>").file.titleText(), "CR only lines");
}

TEST(Title, IncompleteTitleGivesEmptyText)
{
    EXPECT_EQ(ScannedPage("<title>never closed").file.titleText(), "");
    EXPECT_EQ(ScannedPage("<title no tag end").file.titleText(), "");
    EXPECT_EQ(ScannedPage("<html><head></head></html>").file.titleText(), "");
}

std::vector<Anchor> anchorsOf(std::string text)
{
    return ScannedPage(std::move(text)).file.anchors();
}

TEST(Anchors, NameOrIdInDoubleQuotes)
{
    EXPECT_EQ(anchorsOf("<a href=\"x.htm\">link</a><A NAME=\"Up\">Upper</A><a\tID=\"i1\">Id\r\ntext </a>"
                        "<a id=\"second\" name=\"first\">both</a><a\r\nname=\" spaced \"></a>"),
              (std::vector<Anchor> {{"Up", "Upper"}, {"i1", "Id  text"}, {"first", "both"}, {"spaced", ""}}));
}

TEST(Anchors, UnsupportedAttributeFormsYieldNothing)
{
    EXPECT_TRUE(anchorsOf("<a name='single'>s</a><a name = \"spaced\">s</a><a name=\"\">e</a>"
                          "<a name=\"   \">blank</a><a name=\"unclosed>u</a>")
                    .empty());
}

TEST(Anchors, AttributesAreSoughtAsTextInsideTheTagOnly)
{
    EXPECT_EQ(anchorsOf("<a data-id=\"d\" xname=\"n\">x</a><a title=\"x=y\" ID=\"i\">t</a>"),
              (std::vector<Anchor> {{"n", "x"}, {"i", "t"}}));
    // The tag ends at its first '>', even inside a value.
    EXPECT_TRUE(anchorsOf("<a name=\"a>b\">t</a>").empty());
    EXPECT_EQ(anchorsOf("<a href=\"x\"> name=\"no\" </a><a name=\"yes\">y</a>"), (std::vector<Anchor> {{"yes", "y"}}));
}

TEST(Anchors, OtherTagsStartingWithAAreSkipped)
{
    EXPECT_EQ(anchorsOf("<abbr name=\"no\">x</abbr><address id=\"no\">y</address><a name=\"yes\">z</a>"),
              (std::vector<Anchor> {{"yes", "z"}}));
}

TEST(Anchors, MissingEndTagDropsTheAnchorOnly)
{
    EXPECT_EQ(anchorsOf("<a name=\"one\">One</a> <a name=\"open\">no end"), (std::vector<Anchor> {{"one", "One"}}));
    EXPECT_EQ(anchorsOf("<a name=\"open\">runs <a name=\"two\">Two</a>"),
              (std::vector<Anchor> {{"open", "runs <a name=\"two\">Two"}}));
    EXPECT_TRUE(anchorsOf("<a name=\"x\"").empty());
    EXPECT_TRUE(anchorsOf("text ending in <a").empty());
}

TEST(Anchors, CommentedAnchorsAreNotFound)
{
    EXPECT_EQ(anchorsOf("<!-- <a name=\"c\">c</a> <!-- --> <a name=\"still\">in</a> -->"
                        "<comment><a name=\"e\">e</a></comment><a name=\"after\">After</a>"),
              (std::vector<Anchor> {{"after", "After"}}));
}

TEST(Anchors, TextAndNameKeepTheirLetterCase)
{
    EXPECT_EQ(anchorsOf("<A Name=\"MiXed\">Some TEXT</A>"), (std::vector<Anchor> {{"MiXed", "Some TEXT"}}));
}

TEST(PageScan, PageWithoutHeadHtmlOrDoctype)
{
    ScannedPage page("Just text <h4>Head</h4> <a name=\"n\">N</a>");
    EXPECT_EQ(page.file.headingText(), "Head");
    EXPECT_EQ(page.file.titleText(), "");
    EXPECT_EQ(page.file.anchors(), (std::vector<Anchor> {{"n", "N"}}));
    EXPECT_TRUE(page.file.blockRecords().empty());
}

TEST(PageScan, BinaryBytesNeverBreakTheScan)
{
    std::string text;
    for (int round = 0; round < 64; ++round)
        for (int byte = 0; byte < 256; ++byte)
            text.push_back(static_cast<char>((byte * 37 + round * 11) % 256));
    text += "<h1>\xff\xfe</h1><a name=\"\x80\">\x01</a>";
    ScannedPage page(text);
    std::string joined;
    for (const std::string& piece : page.segments())
        joined += piece;
    EXPECT_EQ(joined, text);
    EXPECT_EQ(page.file.wholeText(), text);
}

} // namespace
} // namespace torvane

#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"

#include <gtest/gtest.h>

#include <string>

namespace torvane {
namespace {

const std::string meta =
    "<Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\"><Meta Name=\"Keywords\" Content=\"k\">";
const std::string block = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n"
                          "    Target=\"#\"\r\n"
                          "        IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\","
                          "HelpWindow=\"\",HelpFrame=\"\"\r\n"
                          "  HTML Torvane -->";

// Runs the save sequence on a page held in memory and returns the new text.
std::string rewrite(std::string page, const std::string& metaText = meta, const std::string& blockText = block)
{
    FileReports reports;
    CHtmlFile file(reports);
    file.setWholeText(std::move(page));
    file.ScanInsertionPoints();
    file.PutMetaTags(metaText);
    file.PutCommentBlock(blockText);
    return file.wholeText();
}

TEST(Rewrite, HeadGetsMetaThenBlockBeforeItsEnd)
{
    EXPECT_EQ(rewrite("<html>\n<head>\n<title>T</title>\n</head>\n<body>x</body></html>\n"),
              "<html>\n<head>\n<title>T</title>\n  " + meta + "\r\n  " + block +
                  "\r\n</head>\n<body>x</body></html>\n");
}

TEST(Rewrite, PageWithoutHeadHtmlOrDoctypeGetsHeadAtItsStart)
{
    EXPECT_EQ(rewrite("plain <b>text</b>"),
              "<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head>\r\nplain <b>text</b>");
    EXPECT_EQ(rewrite(""), "<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head>\r\n");
}

TEST(Rewrite, HeadCreatedAfterDoctypeOrHtmlTag)
{
    EXPECT_EQ(rewrite("<!DOCTYPE html>\nbody"),
              "<!DOCTYPE html>\r\n<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head>\nbody");
    EXPECT_EQ(rewrite("<!doctype html><HTML\tlang=\"en\">\rtext"),
              "<!doctype html><HTML\tlang=\"en\">\r\n<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head>\rtext");
    EXPECT_EQ(rewrite("<!doctypex><htmlfoo>x"),
              "<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head>\r\n<!doctypex><htmlfoo>x");
}

TEST(Rewrite, HeadInsideCommentIsNotSeen)
{
    EXPECT_EQ(rewrite("<html><!-- <head></head> -->\r\nbody"),
              "<html>\r\n<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head><!-- <head></head> -->\r\nbody");
}

TEST(Rewrite, ExistingBlockInAnyCaseIsReplacedInPlace)
{
    const std::string page = "<html><head>\n<!-- html TORVANE V3\r\n Target=\"x\"\r\n Html Torvane -->\n  " + meta +
                             "\n</head><!-- other --></html>";
    const std::string newBlock = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n  HTML Torvane -->";
    EXPECT_EQ(rewrite(page, meta, newBlock),
              "<html><head>\n" + newBlock + "\n  " + meta + "\n</head><!-- other --></html>");
}

TEST(Rewrite, EmptyMetaRemovesTheWrittenPairWithItsLineStart)
{
    const std::string page = "<head>\r\n  <title>t</title>\r\n  " + meta + "\r\n  " + block + "\r\n</head>\r\nbody";
    EXPECT_EQ(rewrite(page, ""), "<head>\r\n  <title>t</title>\r\n  " + block + "\r\n</head>\r\nbody");
    // Written pair at the very start of the page: nothing before it to remove.
    EXPECT_EQ(rewrite(meta + "x" + block, ""), "x" + block);
}

TEST(Rewrite, EmptyMetaOnPageWithoutGeneratorChangesNothingButTheBlock)
{
    EXPECT_EQ(rewrite("<head></head>", ""), "<head>  " + block + "\r\n</head>");
}

TEST(Rewrite, GeneratorTagNotFollowedDirectlyByMetaIsNotTheWrittenPair)
{
    const std::string lone = "<meta name=\"IndexGenerator\" content=\"HTML Torvane\">\r\n<meta name=\"Keywords\">";
    EXPECT_EQ(rewrite("<head>" + lone + "</head>"), "<head>" + lone + "  " + meta + "\r\n  " + block + "\r\n</head>");
}

TEST(Rewrite, OtherGeneratorTagFormIsReplaced)
{
    EXPECT_EQ(rewrite("<head><META Generator=\"HTML Torvane\" x=1>\n</head>"),
              "<head>" + meta + "\n  " + block + "\r\n</head>");
}

TEST(Rewrite, MetaInsideCommentIsReplacedThere)
{
    EXPECT_EQ(rewrite("<head><!-- " + meta + " --></head>", "<meta new>"),
              "<head><!-- <meta new> -->  " + block + "\r\n</head>");
}

TEST(Rewrite, ReplacedRangeAcrossCommentKeepsTheComment)
{
    const std::string page =
        "<head><meta name=\"indexgenerator\" content=\"html torvane\"><meta <!--c--> name=k></head>";
    EXPECT_EQ(rewrite(page, "<M>"), "<head><M><!--c-->  " + block + "\r\n</head>");
}

TEST(Rewrite, UnterminatedMarkupNeverLosesBytes)
{
    EXPECT_EQ(rewrite("<html <!-- open"), "<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head>\r\n<html <!-- open");
    EXPECT_EQ(rewrite("<head><!-- HTML Torvane never closed"),
              "<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head>\r\n<head><!-- HTML Torvane never closed");
}

TEST(Rewrite, MarkupInsideAnOpenTagIsNoPlaceToInsert)
{
    const std::string head = "<head>\r\n  " + meta + "\r\n  " + block + "\r\n</head>";
    // Put before this head end, the tags would end the open tag and turn it into an anchor.
    const std::string page = "<a</head><a name=\"n\"></a>";
    const std::string saved = rewrite(page);
    EXPECT_EQ(saved, head + "\r\n" + page);
    FileReports reports;
    CHtmlFile reread(reports);
    reread.setWholeText(saved);
    reread.ScanPage();
    EXPECT_EQ(reread.anchors(), (std::vector<Anchor> {{"n", ""}}));

    EXPECT_EQ(rewrite("<head><a </head>x</head>"), "<head><a </head>x  " + meta + "\r\n  " + block + "\r\n</head>");
    EXPECT_EQ(rewrite("<a name=\"q\" <html>text</a>"), head + "\r\n<a name=\"q\" <html>text</a>");
    EXPECT_EQ(rewrite("<html><a <meta charset=\"utf-8\">x"), "<html>\r\n" + head + "<a <meta charset=\"utf-8\">x");
    // Cut short by the heading's tag, these would put the head into the heading.
    EXPECT_EQ(rewrite("<!DOCTYPE\n<h1>s</h1>"), head + "\r\n<!DOCTYPE\n<h1>s</h1>");
    EXPECT_EQ(rewrite("<html <h1>s</h1>"), head + "\r\n<html <h1>s</h1>");
    EXPECT_EQ(rewrite("<?xml <h1>s</h1>"), head + "\r\n<?xml <h1>s</h1>");
}

TEST(Rewrite, SecondSaveChangesNothing)
{
    const std::string once = rewrite("<html>\r\n<head>\r\n</head>\r\n<body><a name=\"a\">A</a></body>");
    EXPECT_EQ(rewrite(once), once);
}

} // namespace
} // namespace torvane

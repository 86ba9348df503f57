// Pages whose stored entries or markup break the plain rules: what a save
// writes and what the next open reads back.
#include "support/PageRoundTrip.h"

#include "document/PageFindings.h"
#include "sources/BlockRecords.h"
#include "sources/StoredValues.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

using testing::EntryFields;

const std::string start = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";
const std::string end = "  HTML Torvane -->";

std::string entryLine(const std::string& indexAs, const std::string& sortAs)
{
    return "        IndexAs=\"" + indexAs + "\",SortAs=\"" + sortAs + "\",HelpAs=\"" + indexAs +
           "\",HelpTitle=\"Untitled\",IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\r\n";
}

struct Opened {
    SourceFile file {"page.htm"};
    FileReports reports;
    CHtmlFile page {reports};
    explicit Opened(const std::string& text)
    {
        page.setWholeText(text);
        takePageInto(file, page);
    }
    std::string saved()
    {
        CHtmlFile out(reports);
        return testing::rewritten(file, page.wholeText(), out);
    }
};

EntryFields fieldsOf(const std::string& indexAs, const std::string& sortAs)
{
    return {indexAs, sortAs, indexAs, "Untitled", "", "", ""};
}

TEST(PageRepair, ValuesHoldingCommentMarkersKeepThePageAndEveryEntry)
{
    const std::string page = "<html><head><title>T</title></head><body><h1>Heading</h1>"
                             "<a name=\"t\">Text</a></body></html>";
    for (const std::string value : {"a <!-- b", "a --> b", "<!-- HTML Torvane", "HTML Torvane -->", "x --!> y"}) {
        Opened opened(page);
        opened.file.addEntry(testing::entryWith(fieldsOf(value, value)));
        opened.file.findTarget("t")->addEntry(testing::entryWith(fieldsOf(value, "t")));
        Opened reopened(opened.saved());
        EXPECT_EQ(reopened.page.headingText(), "Heading") << value;
        ASSERT_NE(reopened.file.findTarget("t"), nullptr) << value;
        ASSERT_EQ(reopened.file.entryCount(), 1u) << value;
        EXPECT_EQ(reopened.file.entries()[0]->indexAs(), value);
        EXPECT_EQ(reopened.file.findTarget("t")->entries()[0]->indexAs(), value);
        EXPECT_EQ(findBlocks(reopened.page.commentText()).size(), 1u) << value;
    }
}

TEST(PageRepair, KeywordsNeverEndTheirTagOrReachTheHeadEnd)
{
    Opened opened("<html><head><title>T</title></head><body></body></html>");
    opened.file.addEntry(testing::entryWith(fieldsOf("Arrows", "a>b </head> c")));
    const std::string once = opened.saved();
    EXPECT_NE(once.find("Content=\"a&gt;b &lt;/head&gt; c\">"), std::string::npos);
    Opened reopened(once);
    const std::string_view markup = reopened.page.strippedText();
    EXPECT_EQ(markup.find("</head>"), markup.rfind("</head>")) << "one head end";
    EXPECT_EQ(reopened.saved(), once);
}

TEST(PageRepair, AwkwardAnchorNamesKeepTheirEntries)
{
    for (const std::string name : {"dir\\", "two\r\nlines", "#", "C:\\x\\\\"}) {
        Opened opened("<html><head></head><body><a name=\"" + name + "\">Text</a></body></html>");
        ASSERT_NE(opened.file.findTarget(name), nullptr) << name;
        opened.file.findTarget(name)->addEntry(testing::entryWith(fieldsOf("Entry", "entry")));
        Opened reopened(opened.saved());
        ASSERT_NE(reopened.file.findTarget(name), nullptr) << name;
        EXPECT_EQ(reopened.file.findTarget(name)->entryCount(), 1u) << name;
        EXPECT_TRUE(reopened.file.usesDefault()) << "the anchor named # is not the page itself";
        EXPECT_TRUE(reopened.file.keptTargets().empty()) << name;
    }
}

TEST(PageRepair, DamagedBlocksAreReadWholeAndWrittenAsOne)
{
    const std::string head = "<html><head><title>T</title>\r\n";
    const std::string body = "</head><body><h1>H</h1><a name=\"t\">T</a></body></html>";
    const std::string firstBlock = "  " + start + "    Target=\"#\"\r\n" + entryLine("Old", "old") + end + "\r\n";
    // As left by earlier saves of a value holding "-->": the first block ends
    // early, and every save added another.
    const std::string endedEarly =
        "  " + start + "    Target=\"t\"\r\n        IndexAs=\"a --> b\",SortAs=\"ab\"\r\n" + end + "\r\n";
    const std::string lowerCase =
        "  <!-- html torvane V4.0\r\n    Target=\"t\"\r\n" + entryLine("Low", "low") + "  html torvane -->\r\n";
    Opened opened(head + firstBlock + endedEarly + lowerCase + body);
    EXPECT_NE(describeBlockDamage(opened.file.blockDamage()).find("3 index comment blocks"), std::string::npos);
    EXPECT_EQ(opened.file.entryCount(), 1u);
    ASSERT_NE(opened.file.findTarget("t"), nullptr);
    EXPECT_EQ(opened.file.findTarget("t")->entryCount(), 2u) << "a --> b and Low";
    opened.file.addEntry(testing::entryWith(fieldsOf("New", "new")));

    const std::string once = opened.saved();
    Opened reopened(once);
    EXPECT_EQ(findBlocks(reopened.page.commentText()).size(), 1u);
    EXPECT_EQ(describeBlockDamage(reopened.file.blockDamage()), "");
    EXPECT_EQ(reopened.file.entryCount(), 2u);
    EXPECT_EQ(reopened.file.findTarget("t")->entryCount(), 2u);
    EXPECT_EQ(once.substr(0, head.size()), head);
    EXPECT_EQ(once.substr(once.size() - body.size()), body);
    EXPECT_EQ(reopened.saved(), once);
}

TEST(PageRepair, BlockThatLostItsEndMarkerInsideAnotherCommentIsLeftAlone)
{
    const std::string page = "<html><head><!-- note " + start + "    Target=\"#\"\r\n" + entryLine("Kept", "kept") +
                             " --> --></head><body></body></html>";
    Opened opened(page);
    EXPECT_TRUE(opened.file.usesDefault());
    EXPECT_NE(describeBlockDamage(opened.file.blockDamage()).find("left as it is"), std::string::npos);
    opened.file.addEntry(testing::entryWith(fieldsOf("New", "new")));
    const std::string once = opened.saved();
    EXPECT_NE(once.find(page.substr(0, page.find("</head>"))), std::string::npos) << "the user's comment is whole";

    // A whole block inside the user's comment that closes one level of it.
    const std::string closing = "<!-- note " + start + "    Target=\"#\"\r\n x --> y" + end;
    Opened inside("<html><head>" + closing + "</head><body><h1>H</h1></body></html>");
    EXPECT_NE(describeBlockDamage(inside.file.blockDamage()).find("left as it is"), std::string::npos);
    inside.file.addEntry(testing::entryWith(fieldsOf("New", "new")));
    Opened insideReopened(inside.saved());
    EXPECT_NE(insideReopened.page.wholeText().find(closing), std::string::npos);
    EXPECT_EQ(insideReopened.page.headingText(), "H");
    EXPECT_EQ(insideReopened.file.entryCount(), 1u);
}

TEST(PageRepair, BlockThatLostItsEndMarkerIsReadByItsRecordsAndRepaired)
{
    // A value holding "<!--" nests no comment, and the next "-->" lies in the page's text.
    const std::string block = start + "    Target=\"#\"\r\n" + entryLine("Menu <!-- File", "menu") +
                              "    Target=\"top\"\r\n" + entryLine("Top", "top");
    const std::string rest = "\r\n</head>\r\n<body><h1>Heading</h1><a name=\"top\">File --> Save</a>"
                             "<!-- note --></body></html>";
    Opened opened("<html><head>\r\n  " + block + rest);
    EXPECT_EQ(opened.page.headingText(), "Heading");
    ASSERT_EQ(opened.file.entryCount(), 1u);
    EXPECT_EQ(opened.file.entries()[0]->indexAs(), "Menu <!-- File");
    ASSERT_NE(opened.file.findTarget("top"), nullptr);
    EXPECT_EQ(opened.file.findTarget("top")->entryCount(), 1u);
    EXPECT_EQ(describeBlockDamage(opened.file.blockDamage()), "The index comment block has no end marker.");
    const std::string once = opened.saved();
    EXPECT_NE(once.find(rest), std::string::npos) << "the page's text after the records stays:\n" << once;
    EXPECT_EQ(once.find("<head>"), once.rfind("<head>")) << "one head";
    Opened reopened(once);
    EXPECT_EQ(describeBlockDamage(reopened.file.blockDamage()), "");
    EXPECT_EQ(reopened.file.entries()[0]->indexAs(), "Menu <!-- File");
    EXPECT_EQ(reopened.saved(), once);

    // Followed by a whole block in the comment the user closed: both are read,
    // and the user's text after them stays as it was.
    const std::string tail = " <h1>x</h1> -->";
    const std::string twice =
        start + "    Target=\"#\"\r\n" + start + "    Target=\"#\"\r\n" + entryLine("Kept", "kept") + end + tail;
    Opened both("<html><head>" + twice + "</head><body><h1>H</h1></body></html>");
    ASSERT_EQ(both.file.entryCount(), 1u);
    both.file.addEntry(testing::entryWith(fieldsOf("New", "new")));
    Opened bothReopened(both.saved());
    EXPECT_NE(bothReopened.page.wholeText().find("  HTML Torvane -->\r\n" + tail), std::string::npos)
        << bothReopened.page.wholeText();
    EXPECT_EQ(bothReopened.file.entryCount(), 2u);
    EXPECT_EQ(describeBlockDamage(bothReopened.file.blockDamage()), "");
}

TEST(PageRepair, KeywordsOfAnOlderWriterWithBareAngleBracketsAreReplacedWhole)
{
    const std::string old = "<Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\">"
                            "<Meta Name=\"Keywords\" Content=\"<table> element\">";
    Opened opened("<html><head>\r\n  " + old + "\r\n  " + start + "    Target=\"#\"\r\n" +
                  entryLine("Table", "<table> element") + end + "\r\n</head><body><h1>T</h1></body></html>");
    const std::string once = opened.saved();
    EXPECT_EQ(once.find("element\">"), once.rfind("element\">")) << once;
    EXPECT_EQ(once.find(old), std::string::npos);
    EXPECT_NE(once.find("<Meta Name=\"Keywords\" Content=\"&lt;table&gt; element\">\r\n"), std::string::npos);
    EXPECT_EQ(Opened(once).saved(), once);
}

TEST(PageRepair, GeneratorTagInsideTheBlockIsNotReplacedOverIt)
{
    // An unclosed generator pair inside a block-like comment in the body once
    // made the meta range run to the block's end and swallow the page.
    const std::string page = "<html><head></head><body><h1>Heading</h1>"
                             "<!-- HTML Torvane <meta name=\"IndexGenerator\" content=\"HTML Torvane\"><meta "
                             "\r\n    Target=\"#\"\r\n  HTML Torvane --><p>Text</p></body></html>";
    EXPECT_EQ(testing::checkPageRoundTrip(page, fieldsOf("Entry", "entry")), "");
    Opened opened(page);
    opened.file.addEntry(testing::entryWith(fieldsOf("Entry", "entry")));
    const std::string once = opened.saved();
    EXPECT_NE(once.find("<h1>Heading</h1>"), std::string::npos);
    EXPECT_NE(once.find("<p>Text</p></body></html>"), std::string::npos);
}

TEST(PageRepair, ScriptsAndConditionalCommentsHideNothing)
{
    const std::string page = "<!DOCTYPE html>\r\n<!--[if lt IE 9]><html class=\"old\"><![endif]-->\r\n"
                             "<!--[if gt IE 8]><!--><html><!--<![endif]-->\r\n<head><title>Title</title>\r\n"
                             "<script>var s = \"<!--\";</script>\r\n</head>\r\n<body><h1>Heading</h1>"
                             "<a name=\"t\">T</a></body></html>";
    Opened opened(page);
    EXPECT_EQ(opened.page.titleText(), "Title");
    EXPECT_EQ(opened.page.headingText(), "Heading");
    EXPECT_NE(opened.file.findTarget("t"), nullptr);
    opened.file.addEntry(testing::entryWith(fieldsOf("Entry", "entry")));
    const std::string once = opened.saved();
    EXPECT_EQ(once.find("<head>"), once.rfind("<head>")) << "no second head";
    EXPECT_EQ(testing::checkPageRoundTrip(page, fieldsOf("Entry", "entry")), "");
}

TEST(PageRepair, NewHeadGoesAfterAByteOrderMarkAndAnXmlDeclaration)
{
    Opened bom("\xEF\xBB\xBF<p>text</p>");
    bom.file.addEntry(testing::entryWith(fieldsOf("Entry", "entry")));
    EXPECT_TRUE(bom.saved().starts_with("\xEF\xBB\xBF<head>\r\n"));

    Opened xml("<?xml version=\"1.0\"?>\r\n<p>text</p>");
    xml.file.addEntry(testing::entryWith(fieldsOf("Entry", "entry")));
    EXPECT_TRUE(xml.saved().starts_with("<?xml version=\"1.0\"?>\r\n<head>\r\n"));
}

TEST(PageRepair, CharsetDeclarationStaysWithinReach)
{
    const std::string page = "<html><meta charset=\"utf-8\"><title>T</title><body><p>text</p></body></html>";
    Opened opened(page);
    for (int i = 0; i < 40; ++i)
        opened.file.addEntry(testing::entryWith(fieldsOf("A fairly long entry text " + std::to_string(i), "e")));
    const std::string once = opened.saved();
    const std::size_t charsetEnd = once.find("<meta charset=\"utf-8\">") + 22;
    EXPECT_LE(charsetEnd, charsetReach);
    EXPECT_GT(once.size(), 2 * charsetReach);
    EXPECT_TRUE(once.starts_with("<html><meta charset=\"utf-8\">\r\n<head>\r\n"));
}

TEST(PageRepair, XhtmlPagesGetClosedTagsAndNoDoubleHyphens)
{
    const std::string page = "<?xml version=\"1.0\"?>\r\n<html xmlns=\"http://www.w3.org/1999/xhtml\">"
                             "<head><title>T</title></head><body></body></html>";
    Opened opened(page);
    opened.file.addEntry(testing::entryWith(fieldsOf("a--b", "a--b")));
    const std::string once = opened.saved();
    EXPECT_NE(once.find("<Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\"/><Meta Name=\"Keywords\" "
                        "Content=\"a--b\"/>"),
              std::string::npos);
    const std::string block =
        once.substr(once.find("<!-- HTML"), once.find("HTML Torvane -->") - once.find("<!-- HTML"));
    EXPECT_EQ(block.substr(4).find("--"), std::string::npos) << block;
    Opened reopened(once);
    EXPECT_EQ(reopened.file.entries()[0]->indexAs(), "a--b");
    EXPECT_EQ(reopened.saved(), once);
}

TEST(PageRepair, EntriesOfAVanishedAnchorAreKeptAndReported)
{
    const std::string page = "<html><head>\r\n  " + start + "    Target=\"gone\"\r\n" + entryLine("Lost", "lost") +
                             entryLine("Also", "also") + "    Target=\"t\"\r\n" + entryLine("Here", "here") + end +
                             "\r\n</head><body><a name=\"t\">T</a></body></html>";
    Opened opened(page);
    ASSERT_EQ(opened.file.keptTargets().size(), 1u);
    EXPECT_EQ(opened.file.keptTargets()[0].name, "gone");
    std::vector<PageFinding> findings;
    addPageFindings(opened.file, findings);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, PageFindingKind::KeptEntries);
    EXPECT_EQ(findings[0].oldTarget, "gone");
    EXPECT_EQ(findings[0].entries, (std::vector<std::string> {"Also", "Lost"}));
    EXPECT_EQ(findingLine(findings[0]), "page.htm: entries of the missing target \"gone\": Also; Lost");

    opened.file.findTarget("t")->addEntry(testing::entryWith(fieldsOf("More", "more")));
    const std::string once = opened.saved();
    EXPECT_NE(once.find("    Target=\"gone\"\r\n" + entryLine("Also", "also") + entryLine("Lost", "lost")),
              std::string::npos);

    // An exclusion is kept too, and excludes the anchor again when it comes back.
    std::string excluded = page;
    excluded.replace(excluded.find(entryLine("Lost", "lost")), entryLine("Lost", "lost").size() * 2,
                     std::string("        ") + std::string(emptyEntryFields) + "\r\n");
    Opened vanished(excluded);
    ASSERT_EQ(vanished.file.keptTargets().size(), 1u);
    EXPECT_TRUE(vanished.file.keptTargets()[0].isExclusion());
    std::vector<PageFinding> exclusion;
    addPageFindings(vanished.file, exclusion);
    ASSERT_EQ(exclusion.size(), 1u);
    EXPECT_EQ(findingLine(exclusion[0]), "page.htm: exclusion of the missing target \"gone\"");
    vanished.file.findTarget("t")->addEntry(testing::entryWith(fieldsOf("More", "more")));
    std::string excludedOnce = vanished.saved();
    EXPECT_NE(excludedOnce.find("    Target=\"gone\"\r\n        " + std::string(emptyEntryFields)), std::string::npos);
    excludedOnce.replace(excludedOnce.find("<a name=\"t\">"), 12, "<a name=\"gone\">G</a><a name=\"t\">");
    Opened excludedBack(excludedOnce);
    EXPECT_TRUE(excludedBack.file.keptTargets().empty());
    EXPECT_TRUE(excludedBack.file.findTarget("gone")->isExcluded());

    // The anchor comes back: its entries with it.
    std::string restored = once;
    restored.replace(restored.find("<a name=\"t\">"), 12, "<a name=\"gone\">G</a><a name=\"t\">");
    Opened back(restored);
    EXPECT_TRUE(back.file.keptTargets().empty());
    EXPECT_EQ(back.file.findTarget("gone")->entryCount(), 2u);
}

} // namespace
} // namespace torvane

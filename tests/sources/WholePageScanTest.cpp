// The load scans a page in one cut: the places where "<a" may start come
// from the pass that finds the comments, and are moved to the text outside
// comments. This checks that it finds what the separate searches over the
// text outside comments and over the comments find.
#include "platform/FileReports.h"
#include "sources/BlockRecords.h"
#include "sources/CHtmlFile.h"
#include "sources/PageScan.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace torvane {
namespace {

void expectSameAsSeparateSearches(const std::string& page)
{
    FileReports reports;
    CHtmlFile file(reports);
    file.setWholeText(page);
    const std::string outside(file.strippedText());
    std::vector<std::size_t> ends;
    for (std::size_t i = 1, running = 0; i < file.segmentCount(); i += 2)
        ends.push_back(running += file.segment(i).size());

    const ScannedPage scanned = scanPage(page);
    ASSERT_EQ(scanned.headingText, findFirstHeading(outside)) << page;
    ASSERT_EQ(scanned.titleText, findTitle(outside)) << page;
    ASSERT_EQ(scanned.anchors, findAnchors(outside)) << page;
    ASSERT_EQ(scanned.blockRecords, readBlockRecords(file.commentText(), ends)) << page;
    ASSERT_EQ(scanned.blockDamage, findBlockDamage(file.commentText(), ends)) << page;
}

TEST(WholePageScan, RandomPagesAgreeWithSeparateSearches)
{
    // Lone '<' and 'a' pieces make "<a" across a comment, which only the
    // text outside comments holds; script contents hold anchors too.
    static const std::array<std::string, 30> pieces {"<!--",
                                                     "-->",
                                                     "<comment>",
                                                     "</comment>",
                                                     "<",
                                                     "a",
                                                     "A",
                                                     " ",
                                                     "\n",
                                                     ">",
                                                     " name=\"n\"",
                                                     " id=\"i\"",
                                                     "\"",
                                                     "</a>",
                                                     "<a name=\"x\">",
                                                     "text",
                                                     "<h2>",
                                                     "</h2>",
                                                     "<title>",
                                                     "</title>",
                                                     "<script>",
                                                     "</script>",
                                                     "<style>",
                                                     "</style>",
                                                     "<!-- HTML Torvane\r\n",
                                                     "Target=\"x\"\r\n",
                                                     "IndexAs=\"e\"\r\n",
                                                     "HTML Torvane -->",
                                                     "<!--[if IE]>",
                                                     "<area"};
    std::mt19937 random(7);
    for (int round = 0; round < 30000; ++round) {
        std::string page;
        const std::size_t count = random() % 50;
        for (std::size_t i = 0; i < count; ++i)
            page += pieces[random() % pieces.size()];
        expectSameAsSeparateSearches(page);
    }
}

TEST(WholePageScan, AnchorsWhereCommentsMeetAndInScripts)
{
    // '<' before a comment, 'a' after it: an anchor of the text outside comments.
    expectSameAsSeparateSearches("x<<!-- c -->a name=\"j\">joined</a>");
    expectSameAsSeparateSearches("<<!-- c --><!-- d -->A id=\"k\">two comments</a>");
    expectSameAsSeparateSearches("<script>w('<a name=\"s\">in script</a>')</script><a name=\"t\">after</a>");
    // Long enough for the sixteen-byte steps: anchors on both sides of comments.
    std::string page;
    for (int i = 0; i < 40; ++i)
        page +=
            "<p>filler text <a name=\"a" + std::to_string(i) + "\">entry " + std::to_string(i) + "</a> <!-- note -->";
    expectSameAsSeparateSearches(page);
    EXPECT_EQ(scanPage(page).anchors.size(), 40U);
    const ScannedPage joined = scanPage("x<<!-- c -->a name=\"j\">joined</a>");
    ASSERT_EQ(joined.anchors.size(), 1U);
    EXPECT_EQ(joined.anchors.front(), (Anchor {"j", "joined"}));
}

} // namespace
} // namespace torvane

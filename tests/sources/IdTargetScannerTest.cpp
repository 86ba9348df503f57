#include "sources/IdTargetScanner.h"
#include "sources/PageScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvane {
namespace {

using Targets = std::vector<Anchor>;

TEST(IdTargets, EveryQuotingAndElementKindGivesATargetWithItsTextWithoutMarkup)
{
    const Targets found =
        findIdTargets("<h2 id=\"intro\">Intro<a class=\"headerlink\" href=\"#intro\">\xC2\xB6</a></h2>"
                      "<DL><DT ID='os.getcwd'><span>os.</span><b>getcwd</b>()</DT>"
                      "<span id=bare title=\"a > b\">bare\r\n  text</span>"
                      "<p data-id=\"not\" xid=\"no\">p</p>");
    EXPECT_EQ(found, (Targets {{"intro", "Intro"}, {"os.getcwd", "os.getcwd()"}, {"bare", "bare text"}}));
}

TEST(IdTargets, ElementsWithoutContentHaveNoText)
{
    EXPECT_EQ(findIdTargets("<img id=\"pic\" src=x>after</p><div id=\"d\"/>more<br id=b>"),
              (Targets {{"pic", ""}, {"d", ""}, {"b", ""}}));
    EXPECT_EQ(findIdTargets("<span id=\"  \">blank</span><span id=\" x \">x</span>"), (Targets {{"x", "x"}}));
}

TEST(IdTargets, TextThatReadsLikeAnAttributeIsPassedOver)
{
    EXPECT_EQ(findIdTargets("set id=3 first <b>then id=4</b> x id= <p id=\"p\">p</p> id="), (Targets {{"p", "p"}}));
}

TEST(IdTargets, ScriptAndStyleContentsHoldNoTargets)
{
    EXPECT_EQ(findIdTargets("<script id=\"s\">var t = '<p id=\"in\">';</script><style>#x{}</style>"
                            "<p id=\"after\">after</p><script>unterminated <p id=\"lost\">"),
              (Targets {{"after", "after"}}));
}

TEST(IdTargets, LongTextsAreCutAtAWordAndTheSearchForTheEndIsBounded)
{
    std::string words;
    for (int i = 0; i < 40; ++i)
        words += "word" + std::to_string(i) + " ";
    const Targets found = findIdTargets("<section id=\"s\"><h1>" + words + "</h1></section><p id=\"q\">q</p>");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_LE(found[0].text.size(), kIdTextLength);
    EXPECT_GT(found[0].text.size(), kIdTextLength / 2);
    EXPECT_TRUE(words.starts_with(found[0].text + " ")) << found[0].text;
    EXPECT_EQ(found[1], (Anchor {"q", "q"}));
    // Without an end tag the text stops at the bound, not at the page's end.
    const Targets unended = findIdTargets("<div id=\"u\">" + std::string(10000, '<') + "x");
    ASSERT_EQ(unended.size(), 1u);
    EXPECT_EQ(unended[0].text, "");
}

TEST(IdTargets, OnlyAskedForAndNeverInsideComments)
{
    const std::string page = "<html><body><!-- <p id=\"hidden\">h</p> --><h1 id=\"top\">Top</h1>"
                             "<a name=\"anchor\" id=\"both\">A</a></body></html>";
    EXPECT_TRUE(scanPage(page).ids.empty());
    const ScannedPage scanned = scanPage(page, true);
    EXPECT_EQ(scanned.ids, (Targets {{"top", "Top"}, {"both", "A"}}));
    EXPECT_EQ(scanned.anchors, (Targets {{"anchor", "A"}}));
}

} // namespace
} // namespace torvane

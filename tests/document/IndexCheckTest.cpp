#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "document/IndexCheck.h"
#include "document/LinkSyntax.h"
#include "document/ProjectLookup.h"
#include "model/SourceFile.h"
#include "support/FixtureProject.h"
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace torvane {
namespace {

using test::pageText;
using test::storedEntry;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The kinds and places of the findings, "place kind" each, in order.
std::vector<std::string> kindsAt(const IndexCheckReport& report)
{
    std::vector<std::string> found;
    for (const IndexFinding& finding : report.findings)
        found.push_back(findingPlace(finding, "P") + " " + finding.kind);
    return found;
}

class IndexCheckTest : public ::testing::Test {
protected:
    IndexCheckReport check()
    {
        CProjectDoc document(app.services);
        EXPECT_TRUE(document.openProject(fixture.projectFile()));
        return checkIndex(document);
    }

    test::DocumentTestApp app;
    test::FixtureProject fixture;
};

TEST_F(IndexCheckTest, IndexedPagesLinkedCrossReferencesAndGoodUrlsGiveNothing)
{
    fixture.write("a.htm",
                  pageText("Apples", {"red"}, "    Target=\"#\"\r\n" + storedEntry("Fruit, Apples", "fruit, apples")));
    fixture.write("sub/b.htm",
                  pageText("Pears", {"green"}, "    Target=\"green\"\r\n" + storedEntry("Pears", "pears", "_blank")));
    fixture.writeProject({"a.htm", "sub\\b.htm"},
                         "URL=https://example.org/x%20y?q=1#top\r\n" + storedEntry("Example", "example"),
                         "Heading=\"Produce\",Locator=\"Fruit\"\r\nHeading=\"Pomes\",Locator=\"Pears\"\r\n"
                         "Heading=\"Orchard\",Locator=\"Produce\"\r\n");
    const IndexCheckReport report = check();
    EXPECT_THAT(kindsAt(report), IsEmpty());
    EXPECT_EQ(report.pagesChecked, 2u);
    EXPECT_EQ(report.pagesWithEntries, 2u);
    EXPECT_FALSE(report.hasErrors(true));
}

TEST_F(IndexCheckTest, EachProblemIsNamedAtItsPlace)
{
    fixture.write("a.htm", pageText("Apples", {"red"},
                                    "    Target=\"red\"\r\n" + storedEntry("Activity", "activity") +
                                        storedEntry("Bad target", "bad target", "my frame") +
                                        storedEntry("No sort", "") + "    Target=\"renamed\"\r\n" +
                                        storedEntry("Old one", "old one") + storedEntry("Old two", "old two")));
    // A block that lost its end marker.
    fixture.write("d.htm", "<html><head><!-- HTML Torvane V4.0\r\n    Target=\"#\"\r\n" + storedEntry("Dee", "dee") +
                               "</head><body><h1>D</h1></body></html>");
    fixture.write("b.htm", pageText("Plain"));
    fixture.write("c.htm", pageText("Other", {}, "    Target=\"#\"\r\n" + storedEntry("activity ", "activity!")));
    std::filesystem::create_directories(fixture.path("folder.htm"));
    fixture.writeProject({"a.htm", "b.htm", "c.htm", "d.htm", "folder.htm", "gone.htm", "A.htm"},
                         "URL=https:/example.org\r\n" + storedEntry("Broken", "broken"),
                         "Heading=\"Fruit\",Locator=\"Vegetables\"\r\n", "b.htm");
    const IndexCheckReport report = check();
    EXPECT_THAT(kindsAt(report),
                ElementsAre("a.htm#renamed orphaned-entries", "b.htm page-without-entries", "d.htm damaged-block",
                            "d.htm page-without-entries", "folder.htm page-unreadable", "gone.htm page-missing",
                            "A.htm case-clash", "a.htm#red empty-sort-key", "a.htm#red bad-index-target",
                            "c.htm likely-duplicate", "https:/example.org bad-url", "P xref-no-entry",
                            "b.htm output-hits-page"));
    // Missing and unreadable pages count, as pages without entries.
    EXPECT_EQ(report.pagesChecked, 6u);
    // A comment that never closes holds the rest of the page, so nothing in it is read.
    EXPECT_EQ(report.pagesWithEntries, 2u);
    EXPECT_EQ(report.findings[0].entry, "Old one");
    EXPECT_EQ(report.findings[0].message,
              "the page has no anchor \"renamed\" any more; its stored entries: \"Old one\", \"Old two\"");
    EXPECT_EQ(report.findings[2].message, "the index comment block has no end marker");
    EXPECT_EQ(report.findings[9].entry, "activity ");
    EXPECT_EQ(report.findings[9].message,
              "\"activity\" and \"Activity\" differ only in letter case, blanks or punctuation at the same level");
    EXPECT_EQ(report.findings[11].entry, "Fruit");
    EXPECT_TRUE(report.hasErrors(false));
}

TEST_F(IndexCheckTest, LikelyDuplicatesAreSoughtUnderOneParentAndToldOnce)
{
    fixture.write("a.htm", pageText("A", {"x", "y"},
                                    "    Target=\"x\"\r\n" + storedEntry("Fruit, Apples", "fruit apples") +
                                        storedEntry("Fruit, Pears", "fruit pears") + "    Target=\"y\"\r\n" +
                                        storedEntry("Fruit, apples", "fruit apples 2") +
                                        storedEntry("Tree, apples", "tree apples") +
                                        storedEntry("Fruit,  Pears", "fruit pears 2")));
    fixture.write("b.htm", pageText("B", {}, "    Target=\"#\"\r\n" + storedEntry("Fruit, apples", "fruit apples 3")));
    fixture.writeProject({"a.htm", "b.htm"});
    const IndexCheckReport report = check();
    // "apples" under Tree is another line's child; the same spelling twice is one line.
    EXPECT_THAT(kindsAt(report), ElementsAre("a.htm#y likely-duplicate"));
    EXPECT_EQ(report.findings[0].message,
              "\"apples\" and \"Apples\" differ only in letter case, blanks or punctuation at the same level");
}

TEST_F(IndexCheckTest, ExcludedPagesAreDealtWithAndDefaultEntriesAreNoCoverage)
{
    fixture.write("a.htm", pageText("Anchored", {"x"}, "    Target=\"x\"\r\n" + storedEntry("On anchor", "on anchor")));
    fixture.write("b.htm", pageText("Excluded", {}, "    Target=\"#\"\r\n" + storedEntry("", "")));
    fixture.write("c.htm", pageText("Default only", {"y"}));
    // A cross-reference may lead to a heading the page gives by default.
    fixture.writeProject({"a.htm", "b.htm", "c.htm"}, "", "Heading=\"Defaults\",Locator=\"Default only\"\r\n");
    const IndexCheckReport report = check();
    EXPECT_THAT(kindsAt(report), ElementsAre("c.htm page-without-entries"));
    EXPECT_EQ(report.pagesChecked, 2u);
    EXPECT_EQ(report.pagesWithEntries, 1u);
    EXPECT_EQ(coverageText(report), "1 of 2 pages have entries (50%)");
    EXPECT_FALSE(report.hasErrors(false));
    EXPECT_TRUE(report.hasErrors(true));
}

// A manual indexed on its anchors excludes its page tops: those pages are
// indexed all the same. Nothing to count is never a full coverage.
TEST_F(IndexCheckTest, PagesIndexedOnTheirAnchorsCountWhateverTheirTop)
{
    fixture.write("a.htm", pageText("A", {"x"},
                                    "    Target=\"#\"\r\n" + storedEntry("", "") + "    Target=\"x\"\r\n" +
                                        storedEntry("On anchor", "on anchor")));
    fixture.write("b.htm", pageText("B", {}, "    Target=\"#\"\r\n" + storedEntry("", "")));
    fixture.writeProject({"a.htm", "b.htm"});
    EXPECT_EQ(coverageText(check()), "1 of 1 pages have entries (100%)");

    fixture.writeProject({"b.htm"});
    EXPECT_EQ(coverageText(check()), "0 of 0 pages have entries");
    fixture.writeProject({"b.htm", "gone.htm", "also-gone.htm"});
    EXPECT_EQ(coverageText(check()), "0 of 2 pages have entries (0%)");
}

TEST_F(IndexCheckTest, BlocksAreDamagedWhenDoubledUnclosedOrInOtherLetterCase)
{
    const std::string block = "    Target=\"#\"\r\n" + storedEntry("Kept", "kept");
    fixture.write("twice.htm",
                  pageText("Twice", {}, block) + "<!-- HTML Torvane V4.0\r\n" + block + "HTML Torvane -->");
    fixture.write("lower.htm", "<html><head><!-- html torvane V4.0\r\n" + block + "html torvane --></head></html>");
    fixture.write("sound.htm", pageText("Sound", {"x"}, block + "    Target=\"x\"\r\n" + storedEntry("", "")));
    fixture.writeProject({"twice.htm", "lower.htm", "sound.htm"});
    const IndexCheckReport report = check();
    // The lower-case block is read, so its page has its entry.
    ASSERT_THAT(kindsAt(report), ElementsAre("lower.htm damaged-block", "twice.htm damaged-block"));
    EXPECT_EQ(report.findings[0].message, "the index comment block's markers are in other letter case");
    EXPECT_EQ(report.findings[1].message, "the page holds 2 index comment blocks");
}

TEST_F(IndexCheckTest, StoredBlockFindingsOfAPageInAFolderWithAnAnchorNamedWithAHash)
{
    // "#top" is an anchor of the page, not the page itself; "gone" was removed.
    const std::string block = "    Target=\"#top\"\r\n" + storedEntry("Top", "top") + "    Target=\"gone\"\r\n" +
                              storedEntry("Gone one", "gone 1") + storedEntry("Gone two", "gone 2");
    fixture.write("sub/p.htm", pageText("P", {"#top"}, block) + "<!-- HTML Torvane V4.0\r\n    Target=\"#\"\r\n" +
                                   storedEntry("Whole", "whole") + "HTML Torvane -->");
    fixture.writeProject({"sub\\p.htm"});
    const IndexCheckReport report = check();
    ASSERT_THAT(kindsAt(report), ElementsAre("sub/p.htm damaged-block", "sub/p.htm#gone orphaned-entries"));
    EXPECT_EQ(report.findings[0].message, "the page holds 2 index comment blocks");
    EXPECT_EQ(report.findings[1].entry, "Gone one");
    EXPECT_EQ(report.findings[1].message,
              "the page has no anchor \"gone\" any more; its stored entries: \"Gone one\", \"Gone two\"");
}

TEST_F(IndexCheckTest, AnOutputNamedLikeTheProjectFileIsToldForTheProject)
{
    fixture.write("a.htm", pageText("Apples", {}, "    Target=\"#\"\r\n" + storedEntry("Apples", "apples")));
    fixture.writeProject({"a.htm"}, "", "", "fixture.IPJ");
    const IndexCheckReport report = check();
    EXPECT_THAT(kindsAt(report), ElementsAre("P output-hits-page"));
    EXPECT_EQ(report.findings[0].message, "The HTML index would overwrite fixture.IPJ, the project file.");
}

TEST_F(IndexCheckTest, FindingsLeadBackToTheirNodes)
{
    fixture.write("sub/a.htm", pageText("Apples", {"red"}));
    fixture.writeProject({"sub\\a.htm"}, "URL=https://example.org/\r\n", "Heading=\"Fruit\",Locator=\"Plums\"\r\n");
    CProjectDoc document(app.services);
    ASSERT_TRUE(document.openProject(fixture.projectFile()));
    ProjectRootNode& root = document.root();
    const auto at = [](std::string page, std::string target) {
        IndexFinding finding;
        finding.page = std::move(page);
        finding.target = std::move(target);
        return finding;
    };
    SourceFile* page = findPage(root, "sub/a.htm");
    ASSERT_TRUE(page);
    EXPECT_EQ(findingNode(root, at("sub/a.htm", "#")), page);
    EXPECT_EQ(findingNode(root, at("sub/a.htm", "red")), page->findTarget("red"));
    // An anchor that is gone leads to its page.
    EXPECT_EQ(findingNode(root, at("sub/a.htm", "blue")), page);
    EXPECT_EQ(findingNode(root, at("", "https://example.org/")), findUrl(root, "https://example.org/"));
    EXPECT_EQ(findingNode(root, at("gone.htm", "#")), nullptr);
    EXPECT_EQ(findingNode(root, at("", "")), nullptr);

    const IndexCheckReport report = checkIndex(document);
    ASSERT_EQ(report.findings.back().kind, finding::kDeadCrossReference);
    ProjectNode* locator = findingNode(root, report.findings.back());
    ASSERT_TRUE(locator);
    EXPECT_EQ(locator->label(), "Plums");
}

TEST(LinkSyntax, UrlsNeedAValidSchemeHostAndEncoding)
{
    for (const char* good : {"http://example.org", "https://user@host:8080/a/b?c=d#e", "mailto:me@example.org",
                             "../other/page.htm", "page.htm#x", "ftp://files.example.org/", "http://h/%41",
                             "https://b\xC3\xBC"
                             "cher.example/"})
        EXPECT_TRUE(isValidUrl(good)) << good;
    for (const char* bad : {"", "http:/example.org", "https://", "http://:80/x", "http://example.org/a b", "1http://x",
                            "http://x/%4", "http://x/%zz", "http://x/<y>", "ht_tp://x", "http://x/\t"})
        EXPECT_FALSE(isValidUrl(bad)) << bad;
}

TEST(LinkSyntax, FrameNamesAreSingleWordsOrTheFourKeywords)
{
    for (const char* good : {"main", "_blank", "_TOP", "_self", "_parent", "content-frame", "f\xC3\xA9"})
        EXPECT_TRUE(isValidFrameName(good)) << good;
    for (const char* bad : {"", "my frame", "_new", "a\"b", "<x>", "tab\there", "it's"})
        EXPECT_FALSE(isValidFrameName(bad)) << bad;
}

} // namespace
} // namespace torvane

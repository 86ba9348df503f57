#include "sources/BlockRecords.h"

#include <gtest/gtest.h>

#include <string>

namespace torvane {
namespace {

const std::string emptyEntryLine =
    "        IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\r\n";

NameValueList record(std::string indexAs, std::string helpAs, std::string helpTitle, std::string sortAs,
                     std::string indexTarget = "", std::string helpWindow = "", std::string helpFrame = "")
{
    return {{"IndexAs", indexAs},         {"HelpAs", helpAs},         {"HelpTitle", helpTitle}, {"SortAs", sortAs},
            {"IndexTarget", indexTarget}, {"HelpWindow", helpWindow}, {"HelpFrame", helpFrame}};
}

NameValueList joined(std::initializer_list<NameValueList> parts)
{
    NameValueList all;
    for (const NameValueList& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const NameValueList targetTop {{"Target", "#"}};

TEST(BlockRecords, ExcludedOwnTargetIsOneEmptyRecord)
{
    const std::string comments = "<!-- other --><!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n"
                                 "    Target=\"#\"\r\n" +
                                 emptyEntryLine + "  HTML Torvane -->";
    EXPECT_EQ(readBlockRecords(comments), joined({targetTop, record("", "", "Untitled", "")}));
}

TEST(BlockRecords, EntriesFollowTheEmptyRecordOfTheirTarget)
{
    const std::string comments =
        "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n"
        "    Target=\"intro\"\r\n"
        "        IndexAs=\"Apples\",SortAs=\"apples\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"main\","
        "HelpWindow=\"w\",HelpFrame=\"f\"\r\n"
        "        IndexAs=\"Say \\\"hi\\\"\",SortAs=\"say\",HelpAs=\"H\",HelpTitle=\"T\",IndexTarget=\"\","
        "HelpWindow=\"\",HelpFrame=\"\"\r\n"
        "  HTML Torvane -->";
    EXPECT_EQ(readBlockRecords(comments), joined({{{"Target", "intro"}},
                                                  record("", "", "Untitled", ""),
                                                  record("Apples", "Apples", "Untitled", "apples", "main", "w", "f"),
                                                  record("Say \\\"hi\\\"", "H", "T", "say")}));
}

TEST(BlockRecords, ShortEntryLinesOfIndexPagesReadWithEmptyTargets)
{
    const std::string comments = "  <!-- HTML Torvane V4.0 - Do not edit this comment block.\n"
                                 "    Target=\"#\"\n"
                                 "        IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\"\n"
                                 "    Target=\"A\"\n"
                                 "        IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\"\n"
                                 "  HTML Torvane -->\n";
    EXPECT_EQ(readBlockRecords(comments),
              joined({targetTop, record("", "", "Untitled", ""), {{"Target", "A"}}, record("", "", "Untitled", "")}));
}

TEST(BlockRecords, MarkersInAnyLetterCaseButNotOtherSpacing)
{
    EXPECT_EQ(readBlockRecords("<!-- html torvane V4.0\r\n Target=\"#\"\r\n IndexAs=\"x\" html torvane -->"),
              joined({targetTop, record("", "", "Untitled", ""), record("x", "x", "Untitled", "")}));
    EXPECT_TRUE(readBlockRecords("<!--  HTML Torvane Target=\"#\" IndexAs=\"x\" -->").empty());
    EXPECT_TRUE(readBlockRecords("").empty());
}

TEST(BlockRecords, NothingAfterTheEndMarkerIsRead)
{
    EXPECT_EQ(readBlockRecords("<!-- HTML Torvane\r\n Target=\"#\" IndexAs=\"in\" HTML Torvane -->"
                               "<!-- Target=\"late\" IndexAs=\"out\" -->"),
              joined({targetTop, record("", "", "Untitled", ""), record("in", "in", "Untitled", "")}));
    EXPECT_TRUE(readBlockRecords("<!-- HTML Torvane HTML Torvane --> Target=\"#\" IndexAs=\"x\" ").empty());
}

TEST(BlockRecords, BlockWithoutEndMarkerIsReadOnlyAsTheWholeOfItsClosedComment)
{
    const std::string lost = "<!-- HTML Torvane V4.0\r\n    Target=\"#\"\r\n        IndexAs=\"A\",SortAs=\"a\"";
    EXPECT_EQ(readBlockRecords(lost + " -->"),
              joined({targetTop, record("", "", "Untitled", ""), record("A", "A", "Untitled", "a")}));
    // Read by its own records, and only those: a value may hold a comment
    // marker, and the user's text after the last record is no part of it.
    const NameValueList read = joined({targetTop, record("", "", "Untitled", ""), record("A", "A", "Untitled", "a")});
    EXPECT_EQ(readBlockRecords(lost), read);
    const std::string withMarker =
        "<!-- HTML Torvane V4.0\r\n    Target=\"#\"\r\n        IndexAs=\"A <!-- b\",SortAs=\"a\"";
    const std::string page = withMarker + "\r\n</head><body><a name=\"top\">File --> Save</a>";
    const std::vector<BlockPlace> places = findBlocks(page, {page.size()});
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].end, withMarker.size());
    EXPECT_EQ(recordsOfBlocks(withMarker, findBlocks(withMarker)),
              joined({targetTop, record("", "", "Untitled", ""), record("A <!-- b", "A <!-- b", "Untitled", "a")}));
    const std::string nested = "<!-- note " + lost + " -->";
    EXPECT_TRUE(readBlockRecords(nested, {nested.size()}).empty()) << "inside the user's own comment";
    EXPECT_NE(describeBlockDamage(findBlockDamage(nested, {nested.size()})).find("left as it is"), std::string::npos);
    EXPECT_EQ(describeBlockDamage(findBlockDamage(lost + " -->")), "The index comment block has no end marker.");
}

TEST(BlockRecords, DamageKeepsEveryFactTheWordingsChooseFrom)
{
    const std::string lost = "<!-- HTML Torvane V4.0\r\n    Target=\"#\"\r\n";
    // Unclosed and without records: left in place and without its end marker at once.
    const BlockDamage unclosed = findBlockDamage("<!-- HTML Torvane V4.0\r\n<p>text");
    EXPECT_EQ(unclosed, (BlockDamage {1, true, true, false, false}));
    EXPECT_NE(describeBlockDamage(unclosed).find("left as it is"), std::string::npos);
    const BlockDamage twice = findBlockDamage(lost + "HTML Torvane -->" + lost + "HTML Torvane -->");
    EXPECT_EQ(twice, (BlockDamage {2, false, false, false, false}));
    const BlockDamage lower = findBlockDamage("<!-- html torvane V4.0 Target=\"a<!--b\" html torvane -->");
    EXPECT_EQ(lower, (BlockDamage {1, false, false, true, true}));
    EXPECT_EQ(describeBlockDamage(lower), "The markers of the index comment block are not in their usual letter case.");
    EXPECT_EQ(describeBlockDamage(findBlockDamage(lost + "        IndexAs=\"x<!--y\"\r\nHTML Torvane -->")),
              "A value in the index comment block holds a comment marker.");
    EXPECT_EQ(findBlockDamage(lost + "HTML Torvane -->"), (BlockDamage {1, false, false, false, false}));
    EXPECT_EQ(describeBlockDamage(findBlockDamage("<!-- note -->")), "");
}

TEST(BlockRecords, UnknownKeysSkippedAndOpenValueDropped)
{
    EXPECT_EQ(readBlockRecords("<!-- HTML Torvane\r\n Target=\"#\" Colour=\"red\" IndexAs=\"A\",Extra=\"1\","
                               "HelpTitle=\"T\" IndexAs=\"B\",SortAs=\"never closed -->"),
              joined({targetTop, record("", "", "Untitled", ""), record("A", "A", "T", ""),
                      record("B", "B", "Untitled", "")}));
}

TEST(BlockRecords, BlockWithoutTargetYieldsNothing)
{
    EXPECT_TRUE(readBlockRecords("<!-- HTML Torvane V4.0\r\n IndexAs=\"orphan\"\r\n HTML Torvane -->").empty());
}

TEST(BlockRecords, EmptyIndexAsLineAfterEntriesAddsNoRecord)
{
    const std::string comments =
        "<!-- HTML Torvane Target=\"t\" IndexAs=\"A\" IndexAs=\"\" Target=\"u\" HTML Torvane -->";
    EXPECT_EQ(readBlockRecords(comments), joined({{{"Target", "t"}},
                                                  record("", "", "Untitled", ""),
                                                  record("A", "A", "Untitled", ""),
                                                  {{"Target", "u"}},
                                                  record("", "", "Untitled", "")}));
}

} // namespace
} // namespace torvane

#include "model/IndexEntry.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "sources/BlockRecords.h"
#include "sources/CommentBlock.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace torvane {
namespace {

std::unique_ptr<IndexEntry> entry(std::string indexAs, std::string sortAs, std::string helpAs = "",
                                  std::string helpTitle = "", std::string indexTarget = "")
{
    auto made = std::make_unique<IndexEntry>();
    made->setTexts(indexAs, helpAs, helpTitle, sortAs);
    made->setTargets(indexTarget, "", "");
    return made;
}

const std::string startLine = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";
const std::string endLine = "  HTML Torvane -->";
const std::string emptyLine =
    "        IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\r\n";

TEST(CommentBlock, ExcludedPageListsOnlyItsOwnTargetWithTheEmptyLine)
{
    SourceFile file("page.htm");
    file.findOrCreateTarget("unused");
    file.setExcluded(true);
    EXPECT_EQ(buildCommentBlock(file), startLine + "    Target=\"#\"\r\n" + emptyLine + endLine);
    EXPECT_EQ(buildMetaTags(file), "");
}

TEST(CommentBlock, PageInDefaultModeHasAnEmptyBlockAndNoMetaTags)
{
    SourceFile file("page.htm");
    file.setDefaultEntry(IndexEntry::fromText("Heading", EntryKind::FileDefaultHeading));
    ASSERT_TRUE(file.usesDefault());
    EXPECT_EQ(buildCommentBlock(file), startLine + endLine);
    EXPECT_EQ(buildMetaTags(file), "");
}

TEST(CommentBlock, TargetsByStateInModelOrder)
{
    SourceFile file("page.htm");
    file.setDefaultEntry(IndexEntry::fromText("Heading", EntryKind::FileDefaultHeading));
    file.addEntry(entry("Zebra", "zebra"));
    file.addEntry(entry("Say \\\"hi\\\"", "\\\"Quoted\\\" a\\\\b", "H", "T", "main"));
    file.findOrCreateTarget("c").addEntry(entry("Cee", "cee"));
    file.findOrCreateTarget("b");
    file.findOrCreateTarget("A").setExcluded(true);

    EXPECT_EQ(buildCommentBlock(file),
              startLine +
                  "    Target=\"#\"\r\n"
                  "        IndexAs=\"Say \\\"hi\\\"\",SortAs=\"\\\"Quoted\\\" a\\\\b\",HelpAs=\"H\","
                  "HelpTitle=\"T\",IndexTarget=\"main\",HelpWindow=\"\",HelpFrame=\"\"\r\n"
                  "        IndexAs=\"Zebra\",SortAs=\"zebra\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\","
                  "HelpWindow=\"\",HelpFrame=\"\"\r\n"
                  "    Target=\"A\"\r\n" +
                  emptyLine +
                  "    Target=\"c\"\r\n"
                  "        IndexAs=\"Cee\",SortAs=\"cee\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\","
                  "HelpWindow=\"\",HelpFrame=\"\"\r\n" +
                  endLine);
    EXPECT_EQ(buildMetaTags(file), "<Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\">"
                                   "<Meta Name=\"Keywords\" Content=\"Quoted a\\b zebra\">");
}

TEST(CommentBlock, WrittenBlockReadsBackToTheSameEntries)
{
    SourceFile file("page.htm");
    file.findOrCreateTarget("t").addEntry(entry("A \\\"q\\\"", "a", "", "", "frame"));
    file.setExcluded(true);

    const NameValueList expected {{"Target", "#"},
                                  {"IndexAs", ""},
                                  {"HelpAs", ""},
                                  {"HelpTitle", "Untitled"},
                                  {"SortAs", ""},
                                  {"IndexTarget", ""},
                                  {"HelpWindow", ""},
                                  {"HelpFrame", ""},
                                  {"Target", "t"},
                                  {"IndexAs", ""},
                                  {"HelpAs", ""},
                                  {"HelpTitle", "Untitled"},
                                  {"SortAs", ""},
                                  {"IndexTarget", ""},
                                  {"HelpWindow", ""},
                                  {"HelpFrame", ""},
                                  {"IndexAs", "A \\\"q\\\""},
                                  {"HelpAs", "A \\\"q\\\""},
                                  {"HelpTitle", "Untitled"},
                                  {"SortAs", "a"},
                                  {"IndexTarget", "frame"},
                                  {"HelpWindow", ""},
                                  {"HelpFrame", ""}};
    EXPECT_EQ(readBlockRecords("<!-- before -->" + buildCommentBlock(file)), expected);
}

TEST(CommentBlock, StoredEntryFieldsAreInFixedOrder)
{
    EXPECT_EQ(storedEntryFields(*entry("I", "S", "H", "T", "X")),
              "IndexAs=\"I\",SortAs=\"S\",HelpAs=\"H\",HelpTitle=\"T\",IndexTarget=\"X\",HelpWindow=\"\","
              "HelpFrame=\"\"");
    EXPECT_EQ("        " + std::string(emptyEntryFields) + "\r\n", emptyLine);
}

} // namespace
} // namespace torvane

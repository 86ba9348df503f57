#include "document/ProjectFileReader.h"
#include "model/ExternalUrl.h"
#include "model/LocatorNode.h"
#include "model/ProjectRootNode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvane {
namespace {

std::vector<std::string> lines(std::string_view text)
{
    return splitProjectLines(text);
}

TEST(ProjectLines, SplitsAtCrLfLfAndALoneCr)
{
    EXPECT_EQ(lines("a\r\nb\nc\rd\r\n\r\ne"), (std::vector<std::string> {"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(lines(""), std::vector<std::string> {});
    EXPECT_EQ(lines("last\r\n"), std::vector<std::string> {"last"});
}

TEST(ProjectSections, FirstExactHeaderCountsUntilNextBracketLine)
{
    const auto file = lines("[local files]\nFile=lower.htm\n"
                            "[Local Files]  \t\nFile=a.htm\n\nFile=b.htm\n[Other]\nFile=c.htm\n"
                            "[Local Files]\nFile=second.htm\n");
    const auto section = sectionLines(file, "[Local Files]");
    ASSERT_EQ(section.size(), 2u);
    EXPECT_EQ(section[0], "File=a.htm");
    EXPECT_EQ(section[1], "File=b.htm");
    EXPECT_TRUE(sectionLines(file, "[Xrefs]").empty());
    EXPECT_TRUE(sectionLines(lines(" [Local Files]\nFile=x.htm\n"), "[Local Files]").empty());
}

TEST(LocalFilesSection, OutputNamesTrimmedOrDefaultedAndPathsKeptAsWritten)
{
    const auto file = lines("[Local Files]\n"
                            "Index=   \n"
                            "Html Help=  Help.hhk \t\n"
                            "Java Map=Map.jhm\n"
                            " File=indented.htm\n"
                            "file=lower.htm\n"
                            "File=sub\\Page.htm \n"
                            "File=\n"
                            "File=sub\\\n"
                            "junk line without equals\n"
                            "File=a.htm\n");
    const LocalFilesSection section = readLocalFilesSection(file);
    EXPECT_EQ(section.names.index, "Torvane.htm");
    EXPECT_EQ(section.names.htmlHelp, "Help.hhk");
    EXPECT_EQ(section.names.javaHelp, "Torvane.xml");
    EXPECT_EQ(section.names.javaMap, "Map.jhm");
    EXPECT_EQ(section.relativePaths, (std::vector<std::string> {"sub\\Page.htm ", "a.htm"}));

    const LocalFilesSection none = readLocalFilesSection(lines("HTML Torvane, Version 4.0\n"));
    EXPECT_EQ(none.names, OutputNames {});
    EXPECT_TRUE(none.relativePaths.empty());
}

TEST(ExternalUrlsSection, EntriesDefaultsAndExclusion)
{
    ProjectRootNode root;
    readExternalUrlsSection(
        lines("[External URLs]\n"
              "IndexAs=\"orphan\",SortAs=\"orphan\"\n"
              "URL=http://a.example/\n"
              "URL=http://b.example/\n"
              "IndexAs=\"Say \\\"hi\\\"\",SortAs=\"say\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"t\","
              "HelpWindow=\"w\",HelpFrame=\"f\"\n"
              "IndexAs=\"Second\",SortAs=\"second\",HelpAs=\"Help\",HelpTitle=\"Title\"\n"
              "URL=http://c.example/\n"
              "IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\n"
              "URL=http://d.example/\n"),
        root);
    const auto urls = root.externalUrls().urls();
    ASSERT_EQ(urls.size(), 4u);
    EXPECT_TRUE(urls[0]->isExcluded()) << "a URL followed directly by another URL";
    EXPECT_EQ(urls[0]->entryCount(), 0u);

    const auto entries = urls[1]->entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_FALSE(urls[1]->isExcluded());
    EXPECT_EQ(entries[0]->indexAs(), "Say \\\"hi\\\"");
    EXPECT_EQ(entries[0]->helpAs(), "Say \\\"hi\\\"");
    EXPECT_EQ(entries[0]->helpTitle(), "Untitled");
    EXPECT_EQ(entries[0]->indexTarget(), "t");
    EXPECT_EQ(entries[0]->helpWindow(), "w");
    EXPECT_EQ(entries[0]->helpFrame(), "f");
    EXPECT_EQ(entries[1]->helpAs(), "Help");
    EXPECT_EQ(entries[1]->helpTitle(), "Title");
    EXPECT_EQ(entries[1]->indexTarget(), "") << "pending values are cleared between records";

    EXPECT_TRUE(urls[2]->isExcluded());
    EXPECT_TRUE(urls[3]->isExcluded()) << "the last URL without entry lines";
    EXPECT_EQ(root.count(NodeKindMask::Entries), 2u) << "the entry before the first URL is dropped";
}

TEST(CrossReferencesSection, DefaultsAndLinkFlagCarryOver)
{
    ProjectRootNode root;
    readCrossReferencesSection(lines("[Xrefs]\n"
                                     "Heading=\"Apples\"\n"
                                     "Heading=\"Pears\",Locator=\"Fruit\",LinkToLocator=\"0\"\n"
                                     "Heading=\"Plums\",HeadingSort=\"plums\",Separator=\",\",Reference=\"see\","
                                     "Locator=\"Fruit\",LocatorSort=\"fruit\"\n"),
                               root);
    const auto locators = root.locators().locatorNodes();
    ASSERT_EQ(locators.size(), 2u);
    ASSERT_EQ(locators[0]->crossReferenceCount(), 1u);
    const CrossReference& apples = *locators[0]->crossReferences()[0];
    EXPECT_EQ(apples.heading(), "Apples");
    EXPECT_EQ(apples.headingSort(), "Apples");
    EXPECT_EQ(apples.separator(), ".");
    EXPECT_EQ(apples.reference(), "<i>See</i>");
    EXPECT_EQ(apples.locator(), "Apples");
    EXPECT_EQ(apples.locatorSort(), "Apples");
    EXPECT_TRUE(apples.linkToLocator());

    const auto fruit = locators[1]->crossReferences();
    ASSERT_EQ(fruit.size(), 2u) << "Fruit and fruit share one locator";
    const CrossReference& pears = *fruit[0];
    const CrossReference& plums = *fruit[1];
    EXPECT_EQ(pears.locatorSort(), "Fruit");
    EXPECT_FALSE(pears.linkToLocator());
    EXPECT_EQ(plums.separator(), ",");
    EXPECT_EQ(plums.reference(), "see");
    EXPECT_FALSE(plums.linkToLocator()) << "the flag keeps its value for the next record";
}

} // namespace
} // namespace torvane

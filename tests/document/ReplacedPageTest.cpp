// A page that another file or a link takes the place of between load and
// save is refused, whichever way the save would have written it.
#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "document/EntryFieldRules.h"
#include "document/ProjectLookup.h"

#include "model/SourceFile.h"
#include "sources/CHtmlFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace torvane::test {
namespace {

const std::string kPage = "<html><head><title>A</title></head><body><h1>A</h1></body></html>";
const std::string kOutside = "<html><head><title>Outside</title></head><body></body></html>";

class ReplacedPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("a.htm", kPage);
        ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\r\nFile=a.htm\r\n")));
    }

    // Gives the page an entry as the user does, and saves; true when the page took it.
    bool saveWithEntry(const std::string& indexAs)
    {
        SourceFile& page = doc.root().findOrCreateFile(dir.file("a.htm"));
        selectOnly(doc.root(), {&page});
        IndexEntryValues values;
        values.indexAs = values.sortAs = values.helpAs = indexAs;
        finishEntryTexts(values);
        doc.addIndexEntry(values);
        doc.save();
        return !doc.root().findOrCreateFile(dir.file("a.htm")).isModified();
    }

    std::string pageProblems() const
    {
        std::string bodies;
        for (const ShownReport& report : app.presenter.shown)
            bodies += report.body;
        return bodies;
    }

    TempDir dir;
    TempDir outside;
    DocumentTestApp app;
    CProjectDoc doc {app.services};
};

TEST_F(ReplacedPage, SavesOfTheSamePageGoOnAfterEachRename)
{
    EXPECT_TRUE(saveWithEntry("First"));
    EXPECT_TRUE(saveWithEntry("Second"));
    EXPECT_NE(dir.read("a.htm").find("Second"), std::string::npos);
    EXPECT_EQ(pageProblems().find(kReplacedPageProblem), std::string::npos);
}

TEST_F(ReplacedPage, LinkToAFileOutsideIsRefusedAndNamed)
{
    const std::string target = outside.write("o.htm", kOutside);
    std::filesystem::remove(dir.file("a.htm"));
    std::filesystem::create_symlink(target, dir.file("a.htm"));
    EXPECT_FALSE(saveWithEntry("Entry"));
    EXPECT_EQ(outside.read("o.htm"), kOutside);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("a.htm")));
    EXPECT_NE(pageProblems().find(dir.file("a.htm") + ": " + std::string(kReplacedPageProblem)), std::string::npos)
        << pageProblems();
}

TEST_F(ReplacedPage, HardLinkSwappedInIsRefusedThoughWrittenInPlace)
{
    const std::string other = dir.write("other.htm", kOutside);
    std::filesystem::remove(dir.file("a.htm"));
    std::filesystem::create_hard_link(other, dir.file("a.htm"));
    EXPECT_FALSE(saveWithEntry("Entry"));
    EXPECT_EQ(dir.read("other.htm"), kOutside);
    EXPECT_NE(pageProblems().find(kReplacedPageProblem), std::string::npos);
}

TEST_F(ReplacedPage, PlainFileRenamedIntoItsPlaceIsSavedAsAnEditorLeavesIt)
{
    const std::string edited = "<html><head><title>Edited</title></head><body><h1>A</h1></body></html>";
    std::filesystem::rename(dir.write("new.htm", edited), dir.file("a.htm"));
    EXPECT_TRUE(saveWithEntry("Entry"));
    EXPECT_NE(dir.read("a.htm").find("<title>Edited</title>"), std::string::npos);
    EXPECT_NE(dir.read("a.htm").find("IndexAs=\"Entry\""), std::string::npos);
}

} // namespace
} // namespace torvane::test

#include "support/DocumentTestApp.h"
#include "support/FixtureProject.h"

#include "document/EntryFieldRules.h"
#include "document/ProjectLookup.h"
#include "document/TargetLookup.h"
#include "model/EntryHolder.h"
#include "model/SourceFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace torvane::test {
namespace {

// Two programs at work on one project: `ours` keeps it open while `theirs`
// opens it, changes it and saves it.
class OtherWriters : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.write("a.htm", pageText("Alpha", {"top"}, "    Target=\"#\"\r\n" + storedEntry("Old", "old")));
        project.write("b.htm", pageText("Beta"));
        project.writeProject({"a.htm"}, "URL=http://one.example/\r\n");
        ASSERT_TRUE(ours.openProject(project.projectFile()));
    }

    // Opens the project as another program would, lets `change` work on it and saves it.
    template <typename Change>
    void otherProgramSaves(Change change)
    {
        DocumentTestApp otherApp;
        CProjectDoc other(otherApp.services);
        ASSERT_TRUE(other.openProject(project.projectFile()));
        change(other);
        ASSERT_TRUE(other.save());
        ASSERT_TRUE(otherApp.presenter.shown.empty());
    }

    static EntryHolder& holder(CProjectDoc& doc, const std::string& target)
    {
        EntryHolder* found = TargetLookup(doc.root()).findTarget(target);
        EXPECT_NE(found, nullptr) << target;
        return *found;
    }

    static void addEntry(CProjectDoc& doc, const std::string& target, const std::string& text)
    {
        selectOnly(doc.root(), {&holder(doc, target)});
        IndexEntryValues values;
        values.indexAs = values.sortAs = values.helpAs = text;
        finishEntryTexts(values);
        doc.addIndexEntry(values);
    }

    static std::vector<std::string> entryTexts(CProjectDoc& doc, const std::string& target)
    {
        std::vector<std::string> texts;
        for (const IndexEntry* entry : holder(doc, target).entries())
            texts.emplace_back(entry->indexAs());
        return texts;
    }

    FixtureProject project;
    DocumentTestApp app;
    CProjectDoc ours {app.services};
};

TEST_F(OtherWriters, EntriesChangedOnBothSidesOfAPageAreAllKept)
{
    addEntry(ours, "a.htm#top", "Ours");
    otherProgramSaves([](CProjectDoc& other) {
        addEntry(other, "a.htm#top", "Theirs");
        addEntry(other, "a.htm", "New");
        const std::vector<IndexEntry*> entries = holder(other, "a.htm").entries();
        ASSERT_EQ(entries.size(), 2u);
        ASSERT_EQ(entries[1]->indexAs(), "Old");
        other.deleteRecords({entries[1]});
    });
    ASSERT_TRUE(ours.save());

    EXPECT_TRUE(app.presenter.shown.empty());
    EXPECT_FALSE(ours.isModified());
    // The tree shows what the page now holds.
    EXPECT_EQ(entryTexts(ours, "a.htm#top"), (std::vector<std::string> {"Ours", "Theirs"}));
    EXPECT_EQ(entryTexts(ours, "a.htm"), (std::vector<std::string> {"New"}));
    DocumentTestApp readerApp;
    CProjectDoc reader(readerApp.services);
    ASSERT_TRUE(reader.openProject(project.projectFile()));
    EXPECT_EQ(entryTexts(reader, "a.htm#top"), (std::vector<std::string> {"Ours", "Theirs"}));
    EXPECT_EQ(entryTexts(reader, "a.htm"), (std::vector<std::string> {"New"}));

    // The merged page is what the next save compares with: a save with no
    // other writer leaves it alone, and a later outside change merges again.
    addEntry(ours, "a.htm", "Later");
    ASSERT_TRUE(ours.save());
    ASSERT_TRUE(reader.openProject(project.projectFile()));
    EXPECT_EQ(entryTexts(reader, "a.htm"), (std::vector<std::string> {"Later", "New"}));
}

TEST_F(OtherWriters, AnAnchorChangedBothWaysIsRefusedAndLeftAsTheOtherProgramWroteIt)
{
    selectOnly(ours.root(), {&holder(ours, "a.htm#top")});
    ours.excludeSelected();
    otherProgramSaves([](CProjectDoc& other) { addEntry(other, "a.htm#top", "Theirs"); });
    const std::string theirPage = project.read("a.htm");
    ours.save();

    EXPECT_EQ(project.read("a.htm"), theirPage);
    EXPECT_TRUE(ours.isModified());
    ASSERT_FALSE(app.presenter.shown.empty());
    std::string shown;
    for (const ShownReport& report : app.presenter.shown)
        shown += report.body;
    EXPECT_NE(shown.find(project.path("a.htm") + ": Another program changed the file"), std::string::npos) << shown;
}

TEST_F(OtherWriters, PagesUrlsAndCrossReferencesAddedOutsideAreTakenIntoTheProject)
{
    addEntry(ours, "a.htm#top", "Ours");
    addEntry(ours, "http://one.example/", "Ours on the URL");
    otherProgramSaves([this](CProjectDoc& other) {
        other.addExternalUrl("http://two.example/");
        addEntry(other, "http://one.example/", "Theirs on the URL");
        other.addFiles({project.path("b.htm")});
        CrossReferenceValues values;
        values.heading = values.headingSort = "Fruit";
        values.reference = "Apples";
        values.locator = values.locatorSort = "Fruit";
        other.createCrossReference(values);
    });
    ASSERT_TRUE(ours.save());

    EXPECT_TRUE(app.presenter.shown.empty());
    EXPECT_NE(TargetLookup(ours.root()).findTarget("http://two.example/"), nullptr);
    EXPECT_NE(TargetLookup(ours.root()).findTarget("b.htm"), nullptr);
    EXPECT_EQ(ours.root().locators().locatorNodes().size(), 1u);
    EXPECT_EQ(entryTexts(ours, "http://one.example/"),
              (std::vector<std::string> {"Ours on the URL", "Theirs on the URL"}));
    const std::string written = project.read("Fixture.ipj");
    for (const char* line : {"File=b.htm\r\n", "URL=http://two.example/\r\n", "Heading=\"Fruit\""})
        EXPECT_NE(written.find(line), std::string::npos) << line;
    EXPECT_NE(project.read("a.htm").find("IndexAs=\"Ours\""), std::string::npos);
}

TEST_F(OtherWriters, SettingsChangedOnBothSidesLeaveTheProjectFileAlone)
{
    StyleSettings styles = ours.styles();
    styles.columns = 3;
    ours.setStyles(styles);
    otherProgramSaves([](CProjectDoc& other) {
        StyleSettings theirs = other.styles();
        theirs.columns = 4;
        other.setStyles(theirs);
    });
    const std::string theirFile = project.read("Fixture.ipj");

    EXPECT_FALSE(ours.save());
    EXPECT_EQ(project.read("Fixture.ipj"), theirFile);
    EXPECT_TRUE(ours.isModified());
    ASSERT_FALSE(app.presenter.shown.empty());
}

TEST_F(OtherWriters, ASaveWaitsForNoLockHeldByAnotherWriterAndNamesIt)
{
    DocumentTestApp otherApp;
    CProjectDoc other(otherApp.services);
    ASSERT_TRUE(other.openProject(project.projectFile()));
    ASSERT_EQ(other.lockProject("torvane-desktop", std::chrono::milliseconds(0)), ProjectLock::Outcome::Taken);
    const std::string before = project.read("a.htm");
    addEntry(ours, "a.htm", "Ours");
    ours.setSaveLockWait(std::chrono::milliseconds(50));

    EXPECT_FALSE(ours.save());
    EXPECT_EQ(project.read("a.htm"), before);
    ASSERT_EQ(app.messages.messages.size(), 1u);
    EXPECT_NE(app.messages.messages[0].find("(process " + std::to_string(::getpid()) + ", torvane-desktop)"),
              std::string::npos)
        << app.messages.messages[0];

    other.releaseLock();
    EXPECT_TRUE(ours.save());
    EXPECT_NE(project.read("a.htm").find("IndexAs=\"Ours\""), std::string::npos);
}

} // namespace
} // namespace torvane::test

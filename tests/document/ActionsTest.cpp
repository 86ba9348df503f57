#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "TreeDump.h"

#include "document/PageLocations.h"
#include "document/ProjectAction.h"
#include "model/FolderNode.h"
#include "model/SourceFile.h"
#include "sources/StoredValues.h"

#include <gtest/gtest.h>

namespace torvane::test {
namespace {

const std::string kPage = "<html><head><title>T</title></head><body><h1>Page</h1>"
                          "<a name=\"one\">One</a><a name=\"two\">Two</a><a name=\"empty\"></a></body></html>";

class RecordingView final : public DocumentView {
public:
    void documentChanged(CProjectDoc&, int hint, DocumentView* origin) override
    {
        hints.push_back(hint);
        origins.push_back(origin);
    }
    std::vector<int> hints;
    std::vector<DocumentView*> origins;
};

// A project of five pages in two folders, opened, with a view attached.
class ActionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"a.htm", "b.htm", "f/c.htm", "f/g/d.htm", "f/g/e.htm"})
            dir.write(name, kPage);
        ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\nFile=a.htm\nFile=b.htm\nFile=f\\c.htm\n"
                                                       "File=f\\g\\d.htm\n")));
        doc.addView(view);
    }

    SourceFile& page(std::string_view relative)
    {
        return doc.root().findOrCreateFile(doc.projectDirectory() + std::string(relative));
    }
    void select(ProjectNode& node)
    {
        node.setExpanded(true);
        doc.root().applyTreeSelection(node, false, false);
    }
    void alsoSelect(ProjectNode& node)
    {
        node.setExpanded(true);
        doc.root().applyTreeSelection(node, false, true);
    }

    TempDir dir;
    DocumentTestApp app;
    CProjectDoc doc {app.services};
    RecordingView view;
};

const IndexEntryValues kApple {"Apple", "apple", "Apple", "Untitled", "", "", ""};
const IndexEntryValues kPear {"Pear", "pear", "Pear", "Untitled", "", "", ""};

TEST_F(ActionsTest, AddFilesLoadsRecordsAndReportsEvenForKnownFiles)
{
    doc.addFiles({dir.file("f/g/e.htm"), dir.file("missing.htm")}, &view);
    EXPECT_TRUE(page("f\\g\\e.htm").isLoaded());
    EXPECT_EQ(page("f\\g\\e.htm").targetCount(), 3u);
    EXPECT_TRUE(page("missing.htm").isMissing());
    EXPECT_EQ(app.reportTitles(), std::vector<std::string> {"Report File Errors"});
    EXPECT_EQ(doc.undoCode(), ActionAddFiles);
    EXPECT_EQ(view.hints.back(), HintFilesAdded);
    EXPECT_EQ(view.origins.back(), &view);
    EXPECT_TRUE(doc.isModified());

    const std::string before = TreeDump::of(doc.root(), true);
    dir.write("a.htm", "<h1>Changed on disk</h1><a name=\"new\">New</a>");
    doc.addFiles({dir.file("a.htm")});
    EXPECT_EQ(TreeDump::of(doc.root(), true), before) << "a known file is not read again";
    EXPECT_EQ(doc.history().undoDepth(), 1u) << "nothing added: no step";

    ASSERT_TRUE(doc.save());
    doc.addFiles({dir.file("a.htm")});
    EXPECT_FALSE(doc.isModified()) << "nothing added: no change mark";
    EXPECT_EQ(app.messages.messages.back(), kNothingAddedMessage);
}

TEST_F(ActionsTest, CancelledAddFilesKeepsWhatWasAddedAsOneAction)
{
    for (const char* name : {"n1.htm", "n2.htm", "n3.htm", "n4.htm", "n5.htm"})
        dir.write(name, kPage);
    app.progress = RecordingProgress {};
    app.progress.cancelAfter = 2;
    doc.addFiles({dir.file("n1.htm"), dir.file("n2.htm"), dir.file("n3.htm"), dir.file("n4.htm"), dir.file("n5.htm")});
    EXPECT_EQ(doc.root().count(NodeKindMask::File), 6u);
    doc.undo();
    EXPECT_EQ(doc.root().count(NodeKindMask::File), 4u);
    EXPECT_EQ(dir.read("n1.htm"), kPage);
}

TEST_F(ActionsTest, NothingElseChangesTheProjectWhileFilesAreAdded)
{
    for (const char* name : {"n1.htm", "n2.htm", "n3.htm"})
        dir.write(name, kPage);
    doc.addExternalUrl("http://before/");
    const std::size_t filesBefore = doc.root().count(NodeKindMask::File);
    app.progress = RecordingProgress {};
    int refusedSaves = 0;
    app.progress.duringStep = [&] {
        EXPECT_TRUE(doc.isAddingFiles());
        doc.undo();
        doc.redo();
        doc.addExternalUrl("http://during/");
        doc.root().applyTreeSelection(doc.root(), false, false);
        doc.removeSelected();
        doc.createCrossReference({"H", "h", ".", "See", "L", "l", true});
        doc.addFiles({dir.file("n3.htm")});
        refusedSaves += doc.save() ? 0 : 1;
    };
    doc.addFiles({dir.file("n1.htm"), dir.file("n2.htm")});
    app.progress.duringStep = nullptr;
    EXPECT_FALSE(doc.isAddingFiles());
    EXPECT_EQ(refusedSaves, 2);
    EXPECT_EQ(doc.root().count(NodeKindMask::File), filesBefore + 2);
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 1u);
    EXPECT_EQ(doc.root().count(NodeKindMask::CrossReferences), 0u);
    EXPECT_EQ(doc.history().undoDepth(), 2u);

    // The add is one whole step, and the one before it is intact.
    doc.undo();
    EXPECT_EQ(doc.root().count(NodeKindMask::File), filesBefore);
    doc.undo();
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 0u);
}

TEST_F(ActionsTest, ExternalUrlsAreKeyedWithLetterCase)
{
    doc.addExternalUrl("http://x.example/A");
    doc.addExternalUrl("http://x.example/A");
    doc.addExternalUrl("http://x.example/a");
    doc.addExternalUrl("   ");
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 2u);
    EXPECT_EQ(doc.history().undoDepth(), 3u) << "a blank URL records nothing";
    EXPECT_EQ(view.hints.back(), HintUrlAdded);
}

TEST_F(ActionsTest, AddIndexEntryGoesToEverySelectedHolderOnce)
{
    doc.addExternalUrl("http://x/");
    select(page("a.htm"));
    alsoSelect(*page("b.htm").findTarget("one"));
    alsoSelect(*doc.root().externalUrls().findUrl("http://x/"));
    doc.addIndexEntry(kApple);
    doc.addIndexEntry(kApple);
    EXPECT_EQ(page("a.htm").entryCount(), 1u);
    EXPECT_EQ(page("a.htm").entries()[0]->kind(), EntryKind::FileEntry);
    EXPECT_EQ(page("b.htm").findTarget("one")->entries()[0]->kind(), EntryKind::TargetEntry);
    EXPECT_EQ(doc.root().externalUrls().findUrl("http://x/")->entries()[0]->kind(), EntryKind::UrlEntry);
    EXPECT_TRUE(page("a.htm").isModified());
    EXPECT_TRUE(page("b.htm").isModified());
    EXPECT_FALSE(page("f\\c.htm").isModified());
    EXPECT_EQ(view.hints.back(), HintEntryAdded);

    select(doc.root().localFiles());
    doc.root().localFiles().setSelected(false);
    const std::size_t depth = doc.history().undoDepth();
    const std::size_t entries = doc.root().count(NodeKindMask::Entries);
    doc.addIndexEntry(kPear);
    EXPECT_EQ(doc.history().undoDepth(), depth + 1) << "nothing selected: a step that changes nothing";
    EXPECT_EQ(doc.undoCode(), ActionAddIndexEntry);
    EXPECT_EQ(doc.root().count(NodeKindMask::Entries), entries);
}

TEST_F(ActionsTest, RemovingTheCurrentFileSelectsTheRootAndDropsEmptiedFolders)
{
    select(page("f\\g\\d.htm"));
    doc.removeSelected(&view);
    EXPECT_EQ(doc.root().localFiles().findFolder("f")->findFolder("g"), nullptr);
    EXPECT_NE(doc.root().localFiles().findFolder("f"), nullptr);
    EXPECT_EQ(doc.root().currentNode(), &doc.root());
    EXPECT_TRUE(doc.root().isSelected());
    EXPECT_EQ(dir.read("f/g/d.htm"), kPage);
    EXPECT_EQ(doc.undoCode(), ActionRemoveFilesUrlsLocators);
    EXPECT_EQ(view.hints.back(), HintRemoved);

    // With nothing to remove the views are still refreshed, but nothing is recorded.
    doc.root().setSelected(false);
    doc.removeSelected();
    EXPECT_EQ(doc.history().undoDepth(), 1u);
    EXPECT_EQ(view.hints.size(), 2u);
}

TEST_F(ActionsTest, ExcludeEmptiesTheSelectedHolders)
{
    select(page("a.htm"));
    doc.addIndexEntry(kApple);
    alsoSelect(*page("a.htm").findTarget("two"));
    doc.excludeSelected();
    EXPECT_TRUE(page("a.htm").isExcluded());
    EXPECT_EQ(page("a.htm").entryCount(), 0u);
    EXPECT_TRUE(page("a.htm").findTarget("two")->isExcluded());
    EXPECT_FALSE(page("a.htm").findTarget("one")->isExcluded());
    EXPECT_EQ(view.hints.back(), HintExcluded);
}

TEST_F(ActionsTest, EditingEntriesReplacesThemAndMergesEqualOnes)
{
    select(page("a.htm"));
    doc.addIndexEntry(kApple);
    doc.addIndexEntry(kPear);
    page("a.htm").entries()[1]->setListSelected(true); // Pear
    const std::size_t depth = doc.history().undoDepth();

    IndexEntryValues seen;
    const bool edited = doc.editIndexEntries(doc.listSelectedEntries(), [&](const IndexEntryValues& initial) {
        seen = initial;
        return std::optional<IndexEntryValues>(kApple);
    });
    EXPECT_TRUE(edited);
    EXPECT_EQ(seen, kPear);
    ASSERT_EQ(page("a.htm").entryCount(), 1u) << "edited to equal Apple, the holder keeps one";
    EXPECT_EQ(IndexEntryValues::of(*page("a.htm").entries()[0]), kApple);
    EXPECT_EQ(doc.undoCode(), ActionEditIndexEntries);
    EXPECT_EQ(doc.history().undoDepth(), depth + 1);
    EXPECT_EQ(view.hints.back(), HintEntriesEdited);

    page("a.htm").entries()[0]->setListSelected(true);
    const std::string before = TreeDump::of(doc.root(), true);
    doc.undo();
    ASSERT_TRUE(doc.history().canRedo());
    const std::size_t undoDepth = doc.history().undoDepth();
    EXPECT_FALSE(doc.editIndexEntries(doc.listSelectedEntries(),
                                      [](const IndexEntryValues&) { return std::optional<IndexEntryValues>(); }));
    EXPECT_EQ(doc.history().undoDepth(), undoDepth) << "a cancelled edit leaves the queues as they were";
    EXPECT_TRUE(doc.history().canRedo());
    doc.redo();
    EXPECT_EQ(TreeDump::of(doc.root(), true), before);
}

TEST_F(ActionsTest, DeletingEntriesFallsBackToDefaultOrExcludes)
{
    Target& one = *page("a.htm").findTarget("one");
    select(one);
    doc.addIndexEntry(kApple);
    doc.addIndexEntry(kPear);
    one.entries()[0]->setListSelected(true);
    const std::vector<EntryRecord*> twice {one.entries()[0], one.entries()[0]};
    doc.deleteRecords(twice);
    ASSERT_EQ(one.entryCount(), 1u) << "a record handed in twice is removed once";
    one.entries()[0]->setListSelected(true);
    doc.deleteRecords(doc.listSelectedRecords(), &view);
    EXPECT_TRUE(one.usesDefault()) << "the last regular entry gone, the default comes back";
    EXPECT_EQ(view.hints.back(), HintRecordsDeleted);

    one.defaultEntry()->setListSelected(true);
    doc.deleteRecords(doc.listSelectedRecords());
    EXPECT_TRUE(one.isExcluded()) << "deleting the default entry excludes the target";

    doc.createCrossReference({"Heading", "heading", ".", "See", "Loc", "loc", true});
    LocatorNode& locator = *doc.root().locators().findLocator("loc");
    select(locator);
    locator.crossReferences()[0]->setListSelected(true);
    doc.deleteRecords(doc.listSelectedRecords());
    EXPECT_EQ(doc.root().locators().findLocator("loc"), nullptr);
    EXPECT_EQ(doc.undoCode(), ActionDeleteEntriesAndCrossReferences);
}

TEST_F(ActionsTest, CrossReferencesAreCreatedAndEdited)
{
    doc.createCrossReference({"Apples", "apples", ".", "See", "Fruit", "fruit", true}, &view);
    EXPECT_EQ(view.hints.back(), HintCrossReferenceCreated);
    CrossReference& record = *doc.root().locators().findLocator("FRUIT")->crossReferences()[0];

    const CrossReferenceValues edited {"Apples", "apples", ".", "See", "Pome", "pome", false};
    EXPECT_TRUE(doc.editCrossReference(record, [&](const CrossReferenceValues& initial) {
        EXPECT_EQ(initial.locator, "Fruit");
        return std::optional<CrossReferenceValues>(edited);
    }));
    EXPECT_EQ(doc.root().locators().findLocator("fruit"), nullptr);
    CrossReference& moved = *doc.root().locators().findLocator("pome")->crossReferences()[0];
    EXPECT_EQ(CrossReferenceValues::of(moved), edited);
    EXPECT_TRUE(moved.isListSelected());
    EXPECT_EQ(doc.undoCode(), ActionEditCrossReference);

    const std::size_t depth = doc.history().undoDepth();
    EXPECT_FALSE(doc.editCrossReference(
        moved, [](const CrossReferenceValues&) { return std::optional<CrossReferenceValues>(); }));
    EXPECT_EQ(doc.history().undoDepth(), depth);
    EXPECT_EQ(doc.root().count(NodeKindMask::CrossReferences), 1u);
}

TEST_F(ActionsTest, AcceptingADefaultEntryMakesItRegular)
{
    Target& one = *page("a.htm").findTarget("one");
    Target& empty = *page("a.htm").findTarget("empty");
    select(page("a.htm"));
    page("a.htm").setSelected(true);
    one.defaultEntry()->setListSelected(true);
    empty.defaultEntry()->setListSelected(true);
    doc.acceptDefaultEntries({one.defaultEntry(), empty.defaultEntry()}, &view);

    ASSERT_EQ(one.entryCount(), 1u);
    const IndexEntry& accepted = *one.entries()[0];
    EXPECT_FALSE(one.usesDefault());
    EXPECT_EQ(IndexEntryValues::of(accepted), (IndexEntryValues {"One", "One", "One", "Untitled", "", "", ""}));
    EXPECT_TRUE(accepted.isListSelected());
    EXPECT_EQ(accepted.kind(), EntryKind::TargetEntry);
    EXPECT_TRUE(empty.usesDefault()) << "an empty sort key is not accepted";
    EXPECT_EQ(view.hints.back(), HintDefaultsAccepted);

    const std::size_t depth = doc.history().undoDepth();
    doc.acceptDefaultEntries({empty.defaultEntry()});
    EXPECT_EQ(doc.history().undoDepth(), depth) << "nothing to accept records nothing";
}

TEST_F(ActionsTest, AcceptedPageTextKeepsItsBackslashesAndQuotes)
{
    dir.write("path.htm", "<html><head></head><body><a name=\"p\">C:\\Program Files\\ \"x\"</a></body></html>");
    SourceFile& file = doc.loadSourceFile(dir.file("path.htm"));
    Target& target = *file.findTarget("p");
    doc.acceptDefaultEntries({target.defaultEntry()});
    ASSERT_EQ(target.entryCount(), 1u);
    EXPECT_EQ(target.entries()[0]->indexAs(), "C:\\\\Program Files\\\\ \\\"x\\\"");
    EXPECT_EQ(target.entries()[0]->sortKey(), "C:\\Program Files\\ \"x\"");
}

TEST_F(ActionsTest, ValuesNoPageCouldGiveBackAreRefusedWithAMessage)
{
    select(page("a.htm"));
    const std::size_t depth = doc.history().undoDepth();
    for (const IndexEntryValues& values : {IndexEntryValues {"Two\nlines", "two", "Two", "Untitled", "", "", ""},
                                           IndexEntryValues {"Apple", "apple", "Apple", "Untitled", "ends\\", "", ""},
                                           IndexEntryValues {"Bare \" quote", "b", "B", "Untitled", "", "", ""}}) {
        doc.addIndexEntry(values);
        EXPECT_TRUE(page("a.htm").usesDefault());
    }
    EXPECT_EQ(app.messages.messages,
              (std::vector<std::string> {std::string(kValueHasLineBreak), std::string(kValueEndsInBackslash),
                                         std::string(kValueHasBareQuote)}));
    EXPECT_EQ(doc.history().undoDepth(), depth);

    doc.addIndexEntry(kApple);
    ASSERT_EQ(page("a.htm").entryCount(), 1u);
    const auto broken = [](const IndexEntryValues&) {
        return std::optional<IndexEntryValues>(IndexEntryValues {"a-\\-b", "a", "A", "Untitled", "", "", ""});
    };
    EXPECT_FALSE(doc.editIndexEntries({page("a.htm").entries()[0]}, broken));
    EXPECT_EQ(page("a.htm").entries()[0]->indexAs(), "Apple");
    EXPECT_EQ(app.messages.messages.back(), kValueHasDashEscape);
}

TEST_F(ActionsTest, UrlsTheProjectFileCouldNotGiveBackAreRefused)
{
    const std::size_t depth = doc.history().undoDepth();
    for (const std::string url : {"http://x/dir\\", "http://x/a b\"c", "\"http://x"})
        doc.addExternalUrl(url);
    EXPECT_EQ(doc.root().externalUrls().urls().size(), 0u);
    EXPECT_EQ(app.messages.messages,
              (std::vector<std::string> {std::string(kUrlEndsInBackslash), std::string(kUrlHasBlankAndQuote),
                                         std::string(kUrlStartsWithQuote)}));
    EXPECT_EQ(doc.history().undoDepth(), depth);
    for (const std::string url : {"http://x/dir\\\\", "http://x/a b\\\"c", "http://x/q\"c"})
        doc.addExternalUrl(url);
    EXPECT_EQ(doc.root().externalUrls().urls().size(), 3u);
}

TEST(ActionNames, TableAndInvalidCodes)
{
    EXPECT_EQ(actionName(0), "Add Files");
    EXPECT_EQ(actionName(3), "Remove Files, URLs, and Locators");
    EXPECT_EQ(actionName(6), "Delete Index Entries and Cross-References");
    EXPECT_EQ(actionName(9), "Accept Default Index Entries");
    EXPECT_EQ(actionName(10), "Invalid Action Code");
    EXPECT_EQ(actionName(-1), "Invalid Action Code");
}

} // namespace
} // namespace torvane::test

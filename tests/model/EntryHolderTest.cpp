#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

std::unique_ptr<IndexEntry> makeEntry(std::string_view sortAs, std::string_view indexAs = "entry")
{
    auto e = std::make_unique<IndexEntry>();
    e->setTexts(indexAs, indexAs, "Untitled", sortAs);
    return e;
}

class EntryHolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.setProjectDirectory("/proj/");
        file = &root.findOrCreateFile("/proj/sub/page.htm");
        file->setDefaultEntry(IndexEntry::fromText("Page Heading", EntryKind::FileDefaultHeading));
        target = &file->findOrCreateTarget("intro");
        target->setDefaultEntry(IndexEntry::fromText("Introduction", EntryKind::TargetDefaultText));
        file->setModified(false);
    }

    ProjectRootNode root;
    SourceFile* file = nullptr;
    Target* target = nullptr;
};

TEST_F(EntryHolderTest, NewHoldersStartInDefaultMode)
{
    Target fresh("a");
    ASSERT_EQ(fresh.entries().size(), 1u);
    EXPECT_EQ(fresh.entries()[0], fresh.defaultEntry());
    EXPECT_EQ(fresh.defaultEntry()->kind(), EntryKind::TargetDefaultEmpty);
    EXPECT_EQ(fresh.defaultEntry()->owner(), &fresh);
    EXPECT_TRUE(fresh.defaultEntry()->isDefault());
    EXPECT_TRUE(fresh.usesDefault());
    EXPECT_FALSE(fresh.isExcluded());

    ExternalUrl url("http://example.com/");
    EXPECT_EQ(url.entryCount(), 1u);
    EXPECT_EQ(url.defaultEntry()->kind(), EntryKind::UrlDefault);

    // A file gets its entry set only from the default installed when read.
    SourceFile page("p.htm");
    EXPECT_TRUE(page.usesDefault());
    EXPECT_EQ(page.entryCount(), 0u);
    EXPECT_EQ(page.defaultEntry()->kind(), EntryKind::FileDefaultEmpty);
    page.setDefaultEntry(IndexEntry::fromText("Title", EntryKind::FileDefaultTitle));
    ASSERT_EQ(page.entryCount(), 1u);
    EXPECT_EQ(page.entries()[0]->indexAs(), "Title");
}

TEST_F(EntryHolderTest, AddingLeavesDefaultModeAndRemovingReturnsToIt)
{
    IndexEntry* const defaultEntry = target->defaultEntry();
    IndexEntry* added = target->addEntry(makeEntry("Zeta"));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->kind(), EntryKind::TargetEntry);
    EXPECT_EQ(added->owner(), target);
    EXPECT_FALSE(target->usesDefault());
    EXPECT_FALSE(target->isExcluded());
    EXPECT_EQ(target->entries(), std::vector<IndexEntry*> {added});
    EXPECT_TRUE(file->isModified());
    EXPECT_EQ(added->linkUrl(), "sub/page.htm#intro");

    IndexEntry* second = target->addEntry(makeEntry("alpha"));
    EXPECT_EQ(target->entries(), (std::vector<IndexEntry*> {second, added}));

    target->removeEntry(second);
    target->removeEntry(added);
    EXPECT_TRUE(target->usesDefault());
    EXPECT_FALSE(target->isExcluded());
    EXPECT_EQ(target->defaultEntry(), defaultEntry);
    EXPECT_EQ(target->entries(), std::vector<IndexEntry*> {defaultEntry});
}

TEST_F(EntryHolderTest, RemovingTheDefaultEntryExcludes)
{
    IndexEntry* const defaultEntry = target->defaultEntry();
    defaultEntry->removeFromOwner();
    EXPECT_TRUE(target->isExcluded());
    EXPECT_FALSE(target->usesDefault());
    EXPECT_EQ(target->entryCount(), 0u);
    // The default entry is only taken out of the set, never destroyed here.
    EXPECT_EQ(target->defaultEntry(), defaultEntry);
    EXPECT_EQ(defaultEntry->sortKey(), "Introduction");
    EXPECT_TRUE(file->isModified());
}

TEST_F(EntryHolderTest, ExclusionBothWays)
{
    target->addEntry(makeEntry("one"));
    target->addEntry(makeEntry("two"));
    target->setExcluded(true);
    EXPECT_TRUE(target->isExcluded());
    EXPECT_FALSE(target->usesDefault());
    EXPECT_EQ(target->entryCount(), 0u);

    target->setExcluded(false);
    EXPECT_FALSE(target->isExcluded());
    EXPECT_TRUE(target->usesDefault());
    EXPECT_EQ(target->entries(), std::vector<IndexEntry*> {target->defaultEntry()});

    // From default mode the default leaves the set and stays the default.
    target->setExcluded(true);
    EXPECT_EQ(target->entryCount(), 0u);
    EXPECT_EQ(target->defaultEntry()->sortKey(), "Introduction");

    // Adding to an excluded holder clears the exclusion.
    target->addEntry(makeEntry("back"));
    EXPECT_FALSE(target->isExcluded());
    EXPECT_EQ(target->entryCount(), 1u);
}

TEST_F(EntryHolderTest, DuplicatesAreRefused)
{
    ASSERT_NE(target->addEntry(makeEntry("Apple")), nullptr);
    EXPECT_EQ(target->addEntry(makeEntry("Apple")), nullptr);
    // Differing only in the case of SortAs is still a duplicate.
    EXPECT_EQ(target->addEntry(makeEntry("aPPLE")), nullptr);
    EXPECT_EQ(target->entryCount(), 1u);
    EXPECT_EQ(target->entries()[0]->sortAs(), "Apple");

    auto framed = makeEntry("Apple");
    framed->setTargets("main", "", "");
    EXPECT_NE(target->addEntry(std::move(framed)), nullptr);
    EXPECT_EQ(target->entryCount(), 2u);
}

TEST_F(EntryHolderTest, RemovingAnEqualRecordRemovesTheStoredOne)
{
    IndexEntry* stored = target->addEntry(makeEntry("kiwi"));
    target->addEntry(makeEntry("lime"));
    const auto probe = makeEntry("KIWI");
    target->removeEntry(probe.get());
    ASSERT_EQ(target->entryCount(), 1u);
    EXPECT_NE(target->entries()[0], stored);
    EXPECT_EQ(target->entries()[0]->sortAs(), "lime");
}

TEST_F(EntryHolderTest, ReplacingTheDefaultEntry)
{
    target->setDefaultEntry(IndexEntry::fromText("Better", EntryKind::TargetDefaultText));
    ASSERT_EQ(target->entryCount(), 1u);
    EXPECT_EQ(target->entries()[0]->sortKey(), "Better");
    EXPECT_EQ(target->defaultEntry()->owner(), target);
    EXPECT_EQ(target->defaultEntry()->kind(), EntryKind::TargetDefaultText);

    IndexEntry* regular = target->addEntry(makeEntry("own"));
    target->setDefaultEntry(IndexEntry::fromText("Best", EntryKind::TargetDefaultText));
    EXPECT_EQ(target->entries(), std::vector<IndexEntry*> {regular});
    EXPECT_EQ(target->defaultEntry()->sortKey(), "Best");
}

TEST_F(EntryHolderTest, DefaultFromTextKeepsItsObjectAndAgreesWithANewEntry)
{
    IndexEntry* const object = target->defaultEntry();
    target->setDefaultEntry("Better \\\"b\\\"", EntryKind::TargetDefaultText);
    EXPECT_EQ(target->defaultEntry(), object);
    EXPECT_EQ(target->entries(), std::vector<IndexEntry*> {object});
    const auto fresh = IndexEntry::fromText("Better \\\"b\\\"", EntryKind::TargetDefaultText);
    EXPECT_FALSE(object->lessThan(*fresh) || fresh->lessThan(*object));
    EXPECT_EQ(object->sortKey(), fresh->sortKey());
    EXPECT_EQ(object->sortKeyLower(), fresh->sortKeyLower());
    EXPECT_EQ(object->groupClass(), fresh->groupClass());
    EXPECT_EQ(object->kind(), EntryKind::TargetDefaultText);
    EXPECT_EQ(object->owner(), target);
    EXPECT_TRUE(file->isModified());

    // With regular entries present the new default stays out of the set.
    IndexEntry* regular = file->addEntry(makeEntry("own"));
    file->setUnreadable(true);
    file->setDefaultEntry("Again", EntryKind::FileDefaultTitle);
    EXPECT_EQ(file->entries(), std::vector<IndexEntry*> {regular});
    EXPECT_EQ(file->defaultEntry()->indexAs(), "Again");
}

TEST_F(EntryHolderTest, EnteringDefaultModeDropsRegularEntries)
{
    target->addEntry(makeEntry("one"));
    target->setUsesDefault(true);
    EXPECT_EQ(target->entries(), std::vector<IndexEntry*> {target->defaultEntry()});

    target->setUsesDefault(false);
    EXPECT_EQ(target->entryCount(), 0u);
    EXPECT_TRUE(target->isExcluded());
}

TEST_F(EntryHolderTest, LoadingStatesOfAFile)
{
    file->setMissing(true);
    EXPECT_EQ(file->iconKind(), NodeIcon::MissingFile);
    EXPECT_EQ(file->defaultEntry()->sortKey(), "Page Heading");
    file->setMissing(false);
    EXPECT_EQ(file->iconKind(), NodeIcon::File);

    IndexEntry* regular = file->addEntry(makeEntry("kept"));
    file->setUnreadable(true);
    EXPECT_EQ(file->iconKind(), NodeIcon::UnreadableFile);
    EXPECT_TRUE(file->usesDefault());
    EXPECT_EQ(file->defaultEntry()->kind(), EntryKind::FileDefaultEmpty);
    EXPECT_EQ(file->defaultEntry()->sortKey(), "");
    EXPECT_EQ(file->entries(), std::vector<IndexEntry*> {regular});

    // The entries of an unreadable file survive the next added entry.
    IndexEntry* added = file->addEntry(makeEntry("new"));
    EXPECT_EQ(file->entries(), (std::vector<IndexEntry*> {regular, added}));
    EXPECT_FALSE(file->isExcluded());
}

TEST_F(EntryHolderTest, UnreadableFileInDefaultModeLosesDefaultFromSet)
{
    file->setUnreadable(true);
    EXPECT_EQ(file->entryCount(), 0u);
    EXPECT_TRUE(file->usesDefault());
    EXPECT_TRUE(file->defaultEntry()->isDefault());
    // Once the file can be read again its new default is in the set.
    file->setDefaultEntry(IndexEntry::fromText("Again", EntryKind::FileDefaultTitle));
    ASSERT_EQ(file->entryCount(), 1u);
    EXPECT_EQ(file->entries()[0]->sortKey(), "Again");
}

TEST_F(EntryHolderTest, ModifiedMarksGoToTheFileOnly)
{
    ExternalUrl& url = root.findOrCreateUrl("http://x/");
    url.addEntry(makeEntry("x"));
    EXPECT_FALSE(file->isModified());

    target->setExcluded(true);
    EXPECT_TRUE(file->isModified());
}

TEST_F(EntryHolderTest, DefaultGivenAsTextIsMadeWhenAskedForAndSurvivesCopies)
{
    Target& named = file->findOrCreateTarget("named");
    named.setDefaultEntry("Named \\\"place\\\"", EntryKind::TargetDefaultText);
    Target& empty = file->findOrCreateTarget("empty");

    // A copy taken before any object was made carries the text along.
    const Target copied(named, file);
    for (const Target* holder : {static_cast<const Target*>(&named), &copied}) {
        IndexEntry* made = holder->defaultEntry();
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(holder->defaultEntry(), made);
        EXPECT_EQ(made->owner(), holder);
        EXPECT_EQ(made->kind(), EntryKind::TargetDefaultText);
        EXPECT_EQ(made->indexAs(), "Named \\\"place\\\"");
        EXPECT_EQ(made->helpTitle(), "Untitled");
        EXPECT_EQ(made->sortKey(), "Named \"place\"");
        EXPECT_TRUE(made->isDefault());
        EXPECT_EQ(holder->entries(), std::vector<IndexEntry*> {made});
    }
    EXPECT_NE(copied.defaultEntry(), named.defaultEntry());

    // A regular entry is not the default, and asking does not disturb one.
    IndexEntry* regular = empty.addEntry(makeEntry("own"));
    EXPECT_FALSE(regular->isDefault());
    EXPECT_EQ(empty.defaultEntry()->kind(), EntryKind::TargetDefaultEmpty);
    EXPECT_EQ(empty.defaultEntry()->sortKey(), "");
    EXPECT_EQ(empty.entries(), std::vector<IndexEntry*> {regular});

    // Removing an entry equal to a default not yet made takes it out of the set.
    Target& pending = file->findOrCreateTarget("pending");
    pending.setDefaultEntry("Pending", EntryKind::TargetDefaultText);
    const auto probe = IndexEntry::fromText("Pending", EntryKind::TargetEntry);
    pending.removeEntry(probe.get());
    EXPECT_TRUE(pending.isExcluded());
    EXPECT_EQ(pending.defaultEntry()->indexAs(), "Pending");

    // An unreadable page drops its default text along with any object.
    file->setDefaultEntry("Heading text", EntryKind::FileDefaultHeading);
    file->setUnreadable(true);
    EXPECT_EQ(file->defaultEntry()->kind(), EntryKind::FileDefaultEmpty);
    EXPECT_EQ(file->defaultEntry()->indexAs(), "");
}

TEST_F(EntryHolderTest, EntriesArrivingInAnyOrderAreKeptInEntryOrder)
{
    const char* const arriving[] = {"m", "n", "z", "b", "a", "N", "y", "c", "m"};
    std::vector<IndexEntry*> kept;
    for (const char* sortAs : arriving) {
        if (IndexEntry* entry = target->addEntry(makeEntry(sortAs)))
            kept.push_back(entry);
    }
    // "N" is a duplicate of "n" and the second "m" of the first.
    ASSERT_EQ(kept.size(), 7u);
    std::vector<std::string> order;
    for (IndexEntry* entry : target->entries())
        order.emplace_back(entry->sortAs());
    EXPECT_EQ(order, (std::vector<std::string> {"a", "b", "c", "m", "n", "y", "z"}));

    target->removeEntry(kept[3]); // "b"
    target->removeEntry(makeEntry("Z").get());
    order.clear();
    for (IndexEntry* entry : target->entries())
        order.emplace_back(entry->sortAs());
    EXPECT_EQ(order, (std::vector<std::string> {"a", "c", "m", "n", "y"}));
    EXPECT_EQ(target->entries().front(), kept[4]);
}

} // namespace
} // namespace torvane

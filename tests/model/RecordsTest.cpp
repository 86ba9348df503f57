#include "model/CrossReference.h"
#include "model/CrossReferenceOrder.h"
#include "model/IndexEntry.h"
#include "model/Target.h"

#include <gtest/gtest.h>

#include <set>

namespace torvane {
namespace {

IndexEntry entry(std::string_view sortAs, std::string_view indexAs = "x", std::string_view indexTarget = "")
{
    IndexEntry e;
    e.setTexts(indexAs, indexAs, "Untitled", sortAs);
    e.setTargets(indexTarget, "", "");
    return e;
}

CrossReference reference(std::string_view headingSort, std::string_view heading, bool link = true,
                         std::string_view locatorSort = "loc")
{
    CrossReference x;
    x.set(heading, headingSort, ".", "<i>See</i>", "Locator", locatorSort, link);
    return x;
}

bool equivalent(const IndexEntry& a, const IndexEntry& b)
{
    return !a.lessThan(b) && !b.lessThan(a);
}

TEST(SortData, KeyIsUnescapedAndGroupedByFirstByte)
{
    EXPECT_EQ(entry("\\\"").sortKey(), "\"");
    EXPECT_EQ(entry("\\\"").groupClass(), 0);
    EXPECT_EQ(entry("2nd").groupClass(), 1);
    EXPECT_EQ(entry("Zebra").groupClass(), 2);
    EXPECT_EQ(entry("").groupClass(), 0);
    EXPECT_EQ(entry("\xC3\x84pfel").groupClass(), 0);

    const IndexEntry mixed = entry("Tab\\\\Key");
    EXPECT_EQ(mixed.sortKey(), "Tab\\Key");
    EXPECT_EQ(mixed.sortKeyLower(), "tab\\key");
    // Only the sort key is resolved; the stored field keeps its escapes.
    EXPECT_EQ(mixed.sortAs(), "Tab\\\\Key");
}

TEST(SortData, FollowsTheSortTextNotTheTargets)
{
    IndexEntry e = entry("apple");
    e.setTargets("frame", "win", "pane");
    EXPECT_EQ(e.sortKey(), "apple");
    e.setTexts("Pear", "Pear", "t", "Pear");
    EXPECT_EQ(e.sortKey(), "Pear");
    EXPECT_EQ(e.sortKeyLower(), "pear");
}

TEST(IndexEntryRecord, DefaultFromTextFillsThreeFieldsAndUntitled)
{
    auto e = IndexEntry::fromText("Getting Started", EntryKind::FileDefaultHeading);
    EXPECT_EQ(e->indexAs(), "Getting Started");
    EXPECT_EQ(e->sortAs(), "Getting Started");
    EXPECT_EQ(e->helpAs(), "Getting Started");
    EXPECT_EQ(e->helpTitle(), "Untitled");
    EXPECT_EQ(e->kind(), EntryKind::FileDefaultHeading);
    EXPECT_EQ(e->iconIndex(), 4);
    EXPECT_EQ(e->linkUrl(), "");
    EXPECT_FALSE(e->isDefault());
}

TEST(IndexEntryRecord, OrderIsCaseInsensitiveSortAsThenExactFields)
{
    EXPECT_TRUE(entry("apple").lessThan(entry("Banana")));
    EXPECT_TRUE(entry("app").lessThan(entry("apple")));
    EXPECT_TRUE(equivalent(entry("Apple"), entry("aPPLE")));
    // IndexAs decides byte by byte when SortAs ties.
    EXPECT_TRUE(entry("k", "B").lessThan(entry("k", "a")));
    // Entries differing only in IndexTarget are distinct and ordered by it.
    const IndexEntry withA = entry("k", "x", "a");
    const IndexEntry withB = entry("k", "x", "b");
    EXPECT_TRUE(withA.lessThan(withB));
    EXPECT_FALSE(withB.lessThan(withA));

    // The remaining fields each decide in turn.
    IndexEntry base = entry("k");
    IndexEntry later = entry("k");
    later.setTargets("", "", "z");
    EXPECT_TRUE(base.lessThan(later));
    IndexEntry otherTitle;
    otherTitle.setTexts("x", "x", "Untitlez", "k");
    EXPECT_TRUE(base.lessThan(otherTitle));
}

TEST(IndexEntryRecord, CopyKeepsFieldsAndKindButNoOwner)
{
    IndexEntry original = entry("Sort", "Index", "frame");
    original.setKind(EntryKind::UrlEntry);
    original.setListSelected(true);
    Target owner("anchor");
    original.setOwner(&owner);

    const IndexEntry copy(original);
    EXPECT_EQ(copy.owner(), nullptr);
    EXPECT_EQ(copy.kind(), EntryKind::UrlEntry);
    EXPECT_EQ(copy.iconIndex(), 8);
    EXPECT_EQ(copy.indexTarget(), "frame");
    EXPECT_EQ(copy.sortKey(), "Sort");
    EXPECT_TRUE(copy.isListSelected());
    EXPECT_TRUE(equivalent(copy, original));
}

TEST(IndexEntryRecord, EachSetterKeepsTheOtherFields)
{
    IndexEntry e;
    e.setFields("Index", "Index", "Title", "Sort\\\\Key", "frame", "win", "pane");
    e.setTexts("Other", "Help", "Title", "sort");
    EXPECT_EQ(e.indexAs(), "Other");
    EXPECT_EQ(e.helpAs(), "Help");
    EXPECT_EQ(e.helpTitle(), "Title");
    EXPECT_EQ(e.sortAs(), "sort");
    EXPECT_EQ(e.sortKey(), "sort");
    EXPECT_EQ(e.indexTarget(), "frame");
    EXPECT_EQ(e.helpWindow(), "win");
    EXPECT_EQ(e.helpFrame(), "pane");

    // Texts that were equal stay apart once one of them changes.
    e.setFields("same", "same", "same", "same", "same", "same", "same");
    e.setTargets("", "same", "");
    EXPECT_EQ(e.indexAs(), "same");
    EXPECT_EQ(e.sortKeyLower(), "same");
    EXPECT_EQ(e.indexTarget(), "");
    EXPECT_EQ(e.helpWindow(), "same");
    EXPECT_EQ(e.helpFrame(), "");

    IndexEntry blank;
    blank.setFields("", "", "", "", "", "", "");
    EXPECT_EQ(blank.sortKey(), "");
    EXPECT_EQ(blank.helpTitle(), "");
    EXPECT_EQ(blank.groupClass(), 0);
}

TEST(CrossReferenceRecord, NewRecordIsLinkedKindNine)
{
    const CrossReference x;
    EXPECT_TRUE(x.linkToLocator());
    EXPECT_EQ(x.kind(), EntryKind::CrossReference);
    EXPECT_EQ(x.iconIndex(), 9);
    EXPECT_EQ(x.heading(), "");
}

TEST(CrossReferenceRecord, SortsByHeadingSortAndLinksFirst)
{
    const CrossReference x = reference("Bee\\\"s", "Bees");
    EXPECT_EQ(x.sortKey(), "Bee\"s");
    EXPECT_EQ(x.groupClass(), 2);
    EXPECT_EQ(x.linkUrl(), "");
    EXPECT_FALSE(x.isDefault());

    EXPECT_TRUE(reference("apple", "Z").lessThan(reference("Banana", "A")));
    EXPECT_TRUE(reference("k", "A").lessThan(reference("k", "a")));
    EXPECT_TRUE(reference("k", "h", true).lessThan(reference("k", "h", false)));
    EXPECT_FALSE(reference("k", "h", false).lessThan(reference("k", "h", true)));
    // LocatorSort compares without regard to case.
    const CrossReference upper = reference("k", "h", true, "LOC");
    const CrossReference lower = reference("k", "h", true, "loc");
    EXPECT_FALSE(upper.lessThan(lower));
    EXPECT_FALSE(lower.lessThan(upper));
    EXPECT_TRUE(reference("k", "h", true, "a").lessThan(reference("k", "h", true, "B")));

    const CrossReference copy(x);
    EXPECT_EQ(copy.owner(), nullptr);
    EXPECT_EQ(copy.headingSort(), "Bee\\\"s");
    EXPECT_EQ(copy.locatorSort(), "loc");
}

TEST(CrossReferenceRecord, OrderedSetRefusesEqualRecords)
{
    std::set<const CrossReference*, CrossReferenceOrder> set;
    const CrossReference a = reference("k", "h");
    const CrossReference b = reference("K", "h");
    const CrossReference c = reference("k", "h", false);
    EXPECT_TRUE(set.insert(&a).second);
    EXPECT_FALSE(set.insert(&b).second);
    EXPECT_TRUE(set.insert(&c).second);
    EXPECT_EQ(*set.begin(), &a);
}

} // namespace
} // namespace torvane

#include "model/MakeEntry.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "ui/project/LinkOrderRows.h"
#include "ui/project/ShownRows.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvane {
namespace {

// A project whose names sort differently in the tree and in links: folders
// before pages in the tree, '/' after '-' and '.' in links, letter case,
// '_' between the capitals and the small letters, several entries on one
// target, two that tie in every key, URLs and cross-references.
class ShownRowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.setProjectDirectory("/p/");
        for (const char* page : {"/p/a.htm", "/p/B.htm", "/p/a-b.htm", "/p/a/x.htm", "/p/a-b/y.htm", "/p/a/b/z.htm"}) {
            SourceFile& file = root.findOrCreateFile(page);
            for (const char* anchor : {"Zeta", "alpha", "_under", "beta"})
                file.findOrCreateTarget(anchor);
        }
        Target& busy = root.findOrCreateFile("/p/a.htm").findOrCreateTarget("alpha");
        for (const char* text : {"pear", "Apple", "2 two"})
            busy.addEntry(test::makeEntry(text));
        for (const char* shown : {"same one", "same two"}) {
            auto tie = std::make_unique<IndexEntry>();
            tie->setTexts(shown, shown, "Untitled", "Same");
            busy.addEntry(std::move(tie));
        }
        root.findOrCreateUrl("http://b/").addEntry(test::makeEntry("Bee"));
        root.findOrCreateUrl("http://A/");
        for (const char* heading : {"Plums", "apples", "Plums"}) {
            auto reference = std::make_unique<CrossReference>();
            reference->set(heading, heading, "See", "Fruit", heading, heading, false);
            root.addCrossReference(std::move(reference));
        }
    }

    // Everything selected, the way Collapse All leaves it.
    void selectAll() { root.collapseAll(true); }

    // The order every column had before the rows were made in one walk:
    // the records in walk order, sorted.
    std::vector<EntryRecord*> sortedWalk(int column, bool ascending)
    {
        std::vector<EntryRecord*> records;
        root.collectRecords(records,
                            NodeKindMask::SelectedOnly | NodeKindMask::Entries | NodeKindMask::CrossReferences);
        std::vector<ListRow> rows;
        for (EntryRecord* record : records)
            rows.push_back(ListRow {record, record->kind() != EntryKind::CrossReference});
        sortRows(rows, column, ascending);
        return recordsOf(rows);
    }

    static std::vector<EntryRecord*> recordsOf(const std::vector<ListRow>& rows)
    {
        std::vector<EntryRecord*> records;
        for (const ListRow& row : rows)
            records.push_back(row.record);
        return records;
    }

    static std::vector<std::string> links(const std::vector<EntryRecord*>& records)
    {
        std::vector<std::string> texts;
        for (const EntryRecord* record : records)
            texts.push_back(record->linkUrl() + " " + std::string(record->sortKey()));
        return texts;
    }

    void expectEverySortAsTheSortedWalk()
    {
        for (int column : {ColumnIcon, ColumnIndexEntry, ColumnTargetUrl}) {
            for (bool ascending : {true, false}) {
                EXPECT_EQ(links(recordsOf(shownRows(root, column, ascending))), links(sortedWalk(column, ascending)))
                    << "column " << column << (ascending ? " ascending" : " descending");
                EXPECT_EQ(recordsOf(shownRows(root, column, ascending)), sortedWalk(column, ascending));
            }
        }
    }

    // The rows found on demand, asked for from the last to the first.
    std::vector<EntryRecord*> foundRows()
    {
        const std::unique_ptr<LinkOrderRows> found = LinkOrderRows::make(root);
        if (!found) {
            ADD_FAILURE() << "no rows found in link order";
            return {};
        }
        std::vector<EntryRecord*> records(found->size());
        for (std::size_t row = records.size(); row-- > 0;)
            records[row] = &found->at(row);
        return records;
    }

    // Also: each row is found again from its record, the records of the
    // other nodes from none.
    void expectFoundAsMade(const char* when)
    {
        const std::vector<EntryRecord*> rows = foundRows();
        EXPECT_EQ(links(rows), links(recordsOf(shownRows(root, ColumnTargetUrl, true)))) << when;
        EXPECT_EQ(rows, recordsOf(shownRows(root, ColumnTargetUrl, true))) << when;
        const std::unique_ptr<LinkOrderRows> found = LinkOrderRows::make(root);
        ASSERT_NE(found, nullptr) << when;
        for (std::size_t row = rows.size(); row-- > 0;)
            EXPECT_EQ(found->rowOf(*rows[row]), std::optional<std::size_t>(row)) << when << ", row " << row;
        std::vector<EntryRecord*> all;
        root.collectRecords(all, NodeKindMask::Entries | NodeKindMask::CrossReferences);
        for (EntryRecord* record : all) {
            if (std::find(rows.begin(), rows.end(), record) == rows.end()) {
                EXPECT_EQ(found->rowOf(*record), std::nullopt) << when << ", " << record->sortKey();
            }
        }
    }

    ProjectRootNode root;
};

TEST_F(ShownRowsTest, RowsMadeInLinkOrderMatchTheSortOfEveryColumn)
{
    selectAll();
    const std::vector<ListRow> rows = shownRows(root, ColumnTargetUrl, true);
    // 6 pages with 4 targets each, one of them with 5 entries, 2 URLs and 2
    // cross-references (the third is the first again).
    ASSERT_EQ(rows.size(), 6u * 4u + 4u + 2u + 2u);
    EXPECT_FALSE(rows.front().isEntry) << "cross-references have no link and come first";
    expectEverySortAsTheSortedWalk();
    expectFoundAsMade("everything selected");
}

TEST_F(ShownRowsTest, NamesThatWouldNotSortApartFallBackToTheSort)
{
    // A blank sorts before '#', so "a b.htm" goes between a.htm's own
    // entry and its targets' ones; two pages differ only in letter case.
    root.findOrCreateFile("/p/a b.htm").findOrCreateTarget("t");
    root.findOrCreateFile("/p/A.htm").findOrCreateTarget("t");
    selectAll();
    expectEverySortAsTheSortedWalk();
    EXPECT_EQ(LinkOrderRows::make(root), nullptr) << "the rows are made and sorted instead";
}

TEST_F(ShownRowsTest, OnlyTheSelectionIsShownAndAnExpandedNodeShowsItsOwnRecords)
{
    root.localFiles().setExpanded(true);
    SourceFile& page = root.findOrCreateFile("/p/a.htm");
    page.setExpanded(true);
    root.applyTreeSelection(page, false, false);
    page.addEntry(test::makeEntry("Page"));
    const std::vector<ListRow> rows = shownRows(root, ColumnTargetUrl, true);
    ASSERT_EQ(rows.size(), 1u) << "the expanded page's own entry alone";
    EXPECT_EQ(rows.front().record->owner(), &page);

    root.applyTreeSelection(*root.findOrCreateFile("/p/a/x.htm").parent(), false, false);
    EXPECT_EQ(shownRows(root, ColumnTargetUrl, true).size(), 4u * 2u) << "the targets of a/x.htm and a/b/z.htm";
    expectEverySortAsTheSortedWalk();
}

// Rows found on demand are those made in one walk, for a selection spread
// over expanded and collapsed nodes, and still after the tree changed.
TEST_F(ShownRowsTest, RowsFoundOnDemandAreTheRowsMadeForAnySelection)
{
    root.localFiles().setExpanded(true);
    root.externalUrls().setExpanded(true);
    root.locators().setExpanded(true);
    SourceFile& page = root.findOrCreateFile("/p/a.htm");
    page.setExpanded(true);
    root.applyTreeSelection(page, false, false);
    page.addEntry(test::makeEntry("Page"));
    expectFoundAsMade("an expanded page");

    ProjectNode& folder = *root.findOrCreateFile("/p/a/x.htm").parent();
    root.applyTreeSelection(folder, false, true);
    root.applyTreeSelection(*page.findTarget("alpha"), false, true);
    root.applyTreeSelection(root.findOrCreateUrl("http://b/"), false, true);
    root.applyTreeSelection(*root.locators().locatorNodes().front(), false, true);
    expectFoundAsMade("a folder, a target, a URL and a locator");

    // Counts kept from before are found anew where the tree changed.
    root.findOrCreateFile("/p/a/b/z.htm").findOrCreateTarget("gamma").addEntry(test::makeEntry("Gamma"));
    root.findOrCreateFile("/p/a/new.htm").findOrCreateTarget("t");
    // Its rows come after the URLs' ones.
    root.findOrCreateFile("/p/zz.htm").findOrCreateTarget("t");
    root.findOrCreateUrl("http://a-new/").addEntry(test::makeEntry("Web"));
    root.applyTreeSelection(root.externalUrls(), false, true);
    expectFoundAsMade("after entries, a page and a URL were added");
    page.findTarget("alpha")->setExcluded(true);
    selectAll();
    expectFoundAsMade("everything selected after an exclusion");
}

} // namespace
} // namespace torvane

#include "model/CrossReference.h"
#include "model/IndexEntry.h"
#include "ui/project/ListRows.h"
#include <gtest/gtest.h>
#include <memory>

namespace torvane {
namespace {

std::unique_ptr<IndexEntry> entry(const char* indexAs, const char* sortAs)
{
    auto made = std::make_unique<IndexEntry>();
    made->setTexts(indexAs, indexAs, "Untitled", sortAs);
    return made;
}

TEST(ListRows, EntryTextJoinsTheLevelsWithTheirEscapesResolved)
{
    EXPECT_EQ(entryText(*entry("Fruit, Apples\\, green", "")), "Fruit, Apples, green");
    EXPECT_EQ(entryText(*entry("Plain", "")), "Plain");
    CrossReference reference;
    reference.set("Fruit, Dried", "", ".", "<i>See also</i>", "Raisins", "", false);
    EXPECT_EQ(entryText(reference), "Fruit, Dried. See also Raisins") << "as a reader of the index reads it";
}

TEST(ListRows, FilterKeepsTheOrderOfTheRowsWhoseSortKeyOrTextHoldsIt)
{
    auto pears = entry("Pears", "pears");
    auto apples = entry("Fruit, Apples", "apples");
    auto plums = entry("Plums", "zz");
    std::vector<ListRow> rows {{pears.get(), true}, {apples.get(), true}, {plums.get(), true}};
    filterRows(rows, "");
    EXPECT_EQ(rows.size(), 3u);
    filterRows(rows, "P");
    ASSERT_EQ(rows.size(), 3u) << "apples holds a p in its sort key";
    filterRows(rows, "FRUIT");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().record, apples.get());
}

} // namespace
} // namespace torvane

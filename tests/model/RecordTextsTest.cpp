#include "model/RecordTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace torvane {
namespace {

void assign(RecordTexts& texts, const std::vector<std::string_view>& values)
{
    texts.assign(std::span<const std::string_view>(values.data(), values.size()));
}

TEST(RecordTextsTest, TextsComeBackAsGivenRepeatedOrNot)
{
    RecordTexts texts;
    EXPECT_EQ(texts[0], "");
    assign(texts, {"Apple", "apple", "Apple", "", "Untitled", "", "Apple"});
    const std::array<std::string_view, 7> expected {"Apple", "apple", "Apple", "", "Untitled", "", "Apple"};
    for (std::size_t slot = 0; slot < expected.size(); ++slot)
        EXPECT_EQ(texts[slot], expected[slot]) << slot;
    EXPECT_EQ(texts[7], "");
    EXPECT_EQ(texts[200], "");
    // Repeats share their bytes.
    EXPECT_EQ(texts[0].data(), texts[2].data());
    EXPECT_EQ(texts[0].data(), texts[6].data());

    assign(texts, {"", "", ""});
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[2], "");
    assign(texts, {"", "", "late"});
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[2], "late");
}

TEST(RecordTextsTest, NewTextsMayComeFromTheOldOnes)
{
    RecordTexts texts;
    assign(texts, {"one", "two", "three"});
    assign(texts, {texts[2], texts[0], texts[1], texts[0]});
    EXPECT_EQ(texts[0], "three");
    EXPECT_EQ(texts[1], "one");
    EXPECT_EQ(texts[2], "two");
    EXPECT_EQ(texts[3], "one");
}

TEST(RecordTextsTest, LongTextsAndCopies)
{
    const std::string longText(70000, 'x');
    const std::string other = std::string(40000, 'y') + "end";
    RecordTexts texts;
    assign(texts, {"short", longText, other, longText});
    EXPECT_EQ(texts[0], "short");
    EXPECT_EQ(texts[1], longText);
    EXPECT_EQ(texts[2], other);
    EXPECT_EQ(texts[3], longText);

    RecordTexts copy(texts);
    assign(texts, {"changed"});
    EXPECT_EQ(texts[0], "changed");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(copy[0], "short");
    EXPECT_EQ(copy[1], longText);
    EXPECT_EQ(copy[2], other);
    EXPECT_EQ(copy[3], longText);

    const RecordTexts copyOfSmall(texts);
    EXPECT_EQ(copyOfSmall[0], "changed");
    const RecordTexts copyOfEmpty {RecordTexts()};
    EXPECT_EQ(copyOfEmpty[0], "");
}

} // namespace
} // namespace torvane

#include "generate/TextArena.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torvane {
namespace {

TEST(TextArena, CopiesStayIntactAcrossBlocksAndLargeTexts)
{
    TextArena arena;
    std::vector<std::string> originals;
    std::vector<std::string_view> copies;
    // Enough small texts to fill several blocks, with texts larger than a block among them.
    for (int i = 0; i < 200000; ++i) {
        std::string text = "text " + std::to_string(i);
        if (i % 50000 == 7)
            text.append(3u << 20, char('a' + i % 26));
        copies.push_back(arena.copy(text));
        originals.push_back(std::move(text));
    }
    for (std::size_t i = 0; i < originals.size(); ++i)
        ASSERT_EQ(copies[i], originals[i]) << i;
    EXPECT_TRUE(arena.copy("").empty());
    EXPECT_EQ(copies[1].data() + copies[1].size(), copies[2].data()); // side by side
}

} // namespace
} // namespace torvane

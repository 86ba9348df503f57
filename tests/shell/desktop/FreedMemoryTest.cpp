#include "shell/desktop/FreedMemory.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace torvane {
namespace {

#if defined(__GLIBC__)
// Frees many small blocks at once, as dropping a large undo step does, and
// answers how many bytes wait unmerged in the allocator's fast lists.
size_t bytesWaitingAfterManySmallFrees()
{
    std::vector<std::string> texts;
    for (int i = 0; i < 2000; ++i)
        texts.emplace_back(40, static_cast<char>('a' + i % 26));
    texts.clear();
    return mallinfo2().fsmblks;
}

TEST(FreedMemory, SmallFreedBlocksAreMergedAtOnce)
{
    // The default keeps them waiting, which is what the setting is for.
    ASSERT_GT(bytesWaitingAfterManySmallFrees(), 0u);
    coalesceFreedBlocksAtOnce();
    EXPECT_EQ(bytesWaitingAfterManySmallFrees(), 0u);
}
#endif

} // namespace
} // namespace torvane

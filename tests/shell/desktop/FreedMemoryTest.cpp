#include "shell/desktop/FreedMemory.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace torvane {
namespace {

#if defined(__GLIBC__)
// glibc's own limit of the fast lists on 64-bit machines: blocks up to 128
// bytes wait there unmerged.
constexpr int kDefaultFastListLimit = 128;

// Frees many small blocks at once, as dropping a large undo step does, and
// answers how many more bytes wait unmerged in the allocator's fast lists.
std::size_t bytesLeftWaitingAfterManySmallFrees()
{
    const std::size_t before = mallinfo2().fsmblks;
    std::vector<std::string> texts;
    for (int i = 0; i < 2000; ++i)
        texts.emplace_back(40, static_cast<char>('a' + i % 26));
    texts.clear();
    const std::size_t after = mallinfo2().fsmblks;
    return after > before ? after - before : 0;
}

// Exit code 0: freed blocks wait with the allocator's default and are merged
// at once with the setting; 2: the default kept none, so nothing was shown.
[[noreturn]] void freeWithAndWithoutTheSetting()
{
    mallopt(M_MXFAST, kDefaultFastListLimit);
    if (bytesLeftWaitingAfterManySmallFrees() == 0)
        _exit(2);
    coalesceFreedBlocksAtOnce();
    _exit(bytesLeftWaitingAfterManySmallFrees() == 0 ? 0 : 1);
}

TEST(FreedMemory, SmallFreedBlocksAreMergedAtOnce)
{
    // A process of its own: the setting is process-wide (the desktop's start
    // up, tested in this binary, makes it too), and other threads here fill
    // the fast lists of their own arenas at any time.
    EXPECT_EXIT(freeWithAndWithoutTheSetting(), ::testing::ExitedWithCode(0), "");
}
#endif

} // namespace
} // namespace torvane

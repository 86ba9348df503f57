#pragma once

namespace torvane {

// Makes the allocator merge each freed small block with its free neighbours
// at once. Otherwise glibc parks such blocks in its fast lists and merges
// them all at the next large request: after an action or a dropped undo step
// frees the pages of a large selection (up to a million small blocks) that
// stall lands in the first paint or refresh, and costs more than merging
// while freeing does.
void coalesceFreedBlocksAtOnce();

} // namespace torvane

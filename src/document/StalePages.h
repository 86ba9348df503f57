#pragma once

namespace torvane {

class ProjectRootNode;

// A tree put back by undo or redo after a save may disagree with pages that
// the save rewrote, while its pages carry the marks of before the save. The
// tree that is being replaced is the one the disk agrees with (for its
// unmodified pages), so every page of `restored` whose block or meta tags
// would differ from that tree's, or that the current tree no longer has or
// has modified, is marked modified for the next save. Missing pages are left
// alone: there is nothing on disk to correct.
void markPagesDifferingFromDisk(ProjectRootNode& restored, ProjectRootNode& current);

} // namespace torvane

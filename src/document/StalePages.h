#pragma once

namespace torvane {

class SourceFile;

// A page put back by undo or redo after a save may disagree with what the
// save wrote, while it carries the marks of before the save. The page it
// replaces (null when the project did not hold it) is the one the disk agrees
// with, when unmodified; so `restored` is marked modified for the next save
// unless its block and meta tags are what that page would write. A missing
// page is left alone: there is nothing on disk to correct.
void markIfDifferingFromDisk(SourceFile& restored, const SourceFile* replaced);

} // namespace torvane

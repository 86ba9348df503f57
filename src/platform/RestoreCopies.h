#pragma once
#include "platform/FileResult.h"
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// A restore copy holds the old bytes of a file being written in place, after
// a header that names the file and tells what was being done:
//   torvane restore copy
//   page=/resolved/path.htm
//   doing=rewrite in place
//   pid=1234
//   old=SIZE
//   new=SIZE HASH
//   (empty line, then the old bytes)
// The copy is removed once the new bytes are whole on the disk; one that
// outlives its writer marks a write that did not finish.

// The folder restore copies go to: the user's cache folder, else the
// temporary folder. With `make`, the cache folder is made when missing; empty
// when neither takes new files (or, without `make`, when none exists).
std::string restoreFolder(bool make);

// The header of the copy kept while `text` replaces `old` in `path`.
std::string restoreCopyHeader(const std::string& path, std::string_view old, std::string_view text);

// What was done about one restore copy of a listed page.
struct RestoredPage {
    std::string path;
    FileResult result; // of putting the old bytes back
};

// Finds the restore copies of the files at `paths` whose writer is gone, and
// puts back the old bytes of every such file that holds neither its old nor
// its new bytes whole; copies of writes that finished, or never began, are
// removed. Returns the files put back (or failed to be), in the order found.
std::vector<RestoredPage> restoreUnfinishedWrites(const std::vector<std::string>& paths);

} // namespace torvane

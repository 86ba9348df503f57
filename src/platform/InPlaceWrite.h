#pragma once
#include "platform/FileAccess.h"
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// Files are replaced in place where a new file cannot take their place: in a
// folder that takes no new files, and for a file with further names (hard
// links), which a rename would part from the new text. The old bytes first go
// to a restore copy in the user's cache folder (else the temporary folder),
// named in its header (RestoreCopies.h), are written back when the write
// fails, and the copy is removed once the file is whole again. A copy
// outlives only a crash, or a failed write back: the next load or save of
// the file's project puts the old bytes back.

// Whether a restore copy can be made at all.
bool mayKeepRestoreCopies();

// Writes `text` over the existing regular file `path` (already resolved).
// Failures name `requested`; without a place for the restore copy the file
// is refused at "Open Output" and left alone, and so is a link at the path or
// a file with further names other than `expected`, as the opened file itself
// tells.
FileResult rewriteInPlace(const std::string& requested, const std::string& path, std::string_view text,
                          const std::optional<FileIdentity>& expected = {});

} // namespace torvane

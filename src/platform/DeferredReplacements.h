#pragma once
#include "platform/AtomicFileStream.h"
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The files of one save. Each is written to a temporary file beside it at
// once; finish() brings them all to the disk with one sync per file system,
// then puts each in place by a rename, and makes the renames last with one
// more sync per file system. A save of many pages so waits for the disk
// twice, not once per page, and after a crash at any moment each file is
// still wholly old or wholly new (a temporary file may be left behind).
class DeferredReplacements {
public:
    // The failure of writing the temporary file; the file is then left out.
    // `expected` as for writeFileAtomically.
    FileResult write(const std::string& path, std::string_view text, const std::optional<FileIdentity>& expected = {});

    struct Failed {
        std::size_t index; // of the successful write() calls, in their order
        FileFailure failure;
    };
    // The files that could not be put in place; each of them is left as it was.
    std::vector<Failed> finish();

    std::size_t size() const { return files_.size(); }

private:
    std::vector<AtomicFileStream> files_;
};

} // namespace torvane

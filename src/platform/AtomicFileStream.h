#pragma once
#include "platform/FileAccess.h"
#include <optional>
#include <sys/stat.h>
#include <string>
#include <string_view>

namespace torvane {

// A file written in pieces through a temporary file in its folder, put in
// place by one atomic rename, so that a reader (or a crash) meets either the
// old file or the whole new one. Keeps an existing file's permissions and
// refuses a read-only one (and a pipe or device), as writeFileAtomically
// does. Destroyed before it is committed, it removes its temporary file and
// leaves the old file alone. Where no temporary file can take the place of an
// existing one (its folder takes no new files, or it has hard links), the new
// bytes are held and written over the old ones by replace(), with a restore
// copy kept until the file is whole.
class AtomicFileStream {
public:
    AtomicFileStream() = default;
    ~AtomicFileStream();
    AtomicFileStream(const AtomicFileStream&) = delete;
    AtomicFileStream& operator=(const AtomicFileStream&) = delete;
    AtomicFileStream(AtomicFileStream&& other) noexcept;
    AtomicFileStream& operator=(AtomicFileStream&&) = delete;

    // With `expected`, a file at the path that is not that one is refused,
    // here and again just before it is replaced (writeFileAtomically).
    FileResult open(const std::string& path, const std::optional<FileIdentity>& expected = {});
    // Failures after the first are not tried again: the first is returned.
    FileResult write(std::string_view bytes);

    // The two halves of commit, for a caller that syncs many files before
    // renaming any: the bytes reach the disk, then the file replaces its target.
    FileResult sync();
    FileResult replace();
    FileResult commit();
    // Closes the temporary file unsynced, for a caller that syncs the whole
    // file system before it calls replace().
    FileResult closeUnsynced();

    // The path as given, and the target as resolved (a symbolic link's file).
    const std::string& requestedPath() const { return requested_; }
    const std::string& targetPath() const { return path_; }

private:
    FileResult openInPlace();
    bool isExpected(const struct stat& current, bool throughLink) const;
    FileResult refuseReplaced();

    std::string requested_;
    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    bool inPlace_ = false;
    std::optional<FileIdentity> expected_;
    std::string pending_; // the new bytes of a file replaced in place
    FileResult failure_;
};

} // namespace torvane

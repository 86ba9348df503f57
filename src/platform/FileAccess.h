#pragma once
#include "platform/FileResult.h"
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

FileCause causeFromErrno(int err);
// The failure of `operation` on `path` with the errno value `err`. A missing
// file whose folder is missing too is worded as a bad path.
FileFailure failureFromErrno(FileOperation operation, const std::string& path, int err);

bool fileExists(const std::string& path);
// True when none of the file's write permission bits is set.
bool isReadOnly(const std::string& path);
// Whether the process may read and write the file itself.
bool mayReadAndWrite(const std::string& path);
// Whether the process may make new files in the folder.
bool mayCreateFilesIn(const std::string& folder);
// Whether files of the folder can be replaced: through a new file beside
// them, or in place with a restore copy where the folder takes no new files.
bool mayReplaceFilesIn(const std::string& folder);
// True when the process may both read and write the file (and it is not
// read-only), and may either create the replacement file in its folder or
// keep a restore copy for writing it in place.
bool hasReadWriteAccess(const std::string& path);
// The permission part of hasReadWriteAccess alone, for a file already known
// to exist and not to be read-only.
bool mayReadAndReplace(const std::string& path);

// Reads the whole file as bytes. On failure `text` holds what was read so far.
FileResult readWholeFile(const std::string& path, std::string& text);

// What makes a file the same file under any name: its device and inode.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    auto operator<=>(const FileIdentity&) const = default;
};

// What reading a file found out about it besides its bytes.
struct FileState {
    bool exists = false;
    bool readOnly = false; // as isReadOnly
    std::optional<FileIdentity> identity; // of the file opened, when it was
    // The file's last modification, in nanoseconds (0 when unknown).
    std::int64_t modified = 0;
};
// readWholeFile that also gives the file's state, taken from the opened file
// (from its path when it cannot be opened): no separate status queries.
// Only regular files are read, and only as many bytes as the file's size:
// a pipe, device or folder fails at "Open Input" without a wait.
FileResult readWholeFile(const std::string& path, std::string& text, FileState& state);
// readWholeFile for callers that read many files one after another: the
// file's bytes are the first `length` of `storage`, made anew for each file
// (the last one's freed first) and never cleared before the read. Clearing
// fresh room cost a fifth of the instructions of loading a large project.
FileResult readWholeFileInto(const std::string& path, std::unique_ptr<char[]>& storage, std::size_t& length,
                             FileState& state);
// The first `limit` bytes of a regular file (all of a shorter one).
FileResult readFileStart(const std::string& path, std::size_t limit, std::string& text);

// Writes through a temporary file in the same folder and an atomic rename,
// keeping an existing file's permissions and, where allowed, its owner; in
// place with a restore copy where that cannot be (AtomicFileStream). A
// read-only file is refused with CauseAccessDenied at "Open Output", whoever
// runs the process. With `expected`, a file that is no longer that one and is
// reached through a link or has further names (a link or a hard link put in
// its place) is refused at "Open Output" with kReplacedFileError. When any
// step fails the old file stays as it was.
FileResult writeFileAtomically(const std::string& path, std::string_view text,
                               const std::optional<FileIdentity>& expected = {});

// Removes the temporary files that writeFileAtomically left in `folder`
// when its process was killed: only files of its own naming, and only once
// they are old enough that no running save can still own them. Returns how
// many were removed.
int removeStaleTemporaries(const std::string& folder);

bool isDirectory(const std::string& path);
// The file's last modification as FileState gives it; 0 when there is no file.
std::int64_t modificationTime(const std::string& path);

// The identity of the file a path leads to (through links); nothing when
// there is no such file.
std::optional<FileIdentity> fileIdentity(const std::string& path);
// What one look at a path tells: the identity of the file it leads to (none
// when it leads nowhere) and whether the path's last name is a link itself.
struct PathFacts {
    std::optional<FileIdentity> identity;
    bool isLink = false;
    bool hasOtherNames = false; // a file with more than one hard link
};
PathFacts pathFacts(const std::string& path);
// The absolute path with every link, "." and ".." resolved; empty when the
// path leads nowhere.
std::string resolvedPath(const std::string& path);
// True for a regular file, also when reached through symbolic links.
bool isRegularFile(const std::string& path);

// The names (not paths) in one folder, without "." and "..", in the order the
// system lists them. Symbolic links to folders are left out so that a walk
// over the tree cannot loop.
struct DirectoryEntries {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};
// A failure is at FileOperation::OpenInput.
FileResult listDirectory(const std::string& path, DirectoryEntries& entries);

// Removes one file (not a folder).
FileResult deleteFile(const std::string& path);

// Creates the folder and any missing parents (like mkdir -p); an existing
// folder is no failure. A failure is at FileOperation::OpenOutput.
FileResult makeDirectories(const std::string& path);

// The folder part of a "/" path: "/a/b.htm" -> "/a", "b.htm" -> ".", "/x" -> "/".
std::string parentFolder(const std::string& path);

} // namespace torvane

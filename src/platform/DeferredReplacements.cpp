#include "platform/DeferredReplacements.h"
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {

namespace {

// Runs `use` on an open descriptor of the folder; false when it cannot be opened.
template <typename Use>
bool withFolder(const std::string& folder, Use use)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool done = use(fd);
    ::close(fd);
    return done;
}

// Syncs the file system of each folder once; gives each folder the error of
// its sync (0 when it succeeded).
std::map<std::string, int> syncFileSystems(const std::set<std::string>& folders)
{
    std::map<dev_t, int> syncErrors;
    std::map<std::string, int> folderErrors;
    for (const std::string& folder : folders) {
        int error = 0;
        const bool opened = withFolder(folder, [&](int fd) {
            struct stat info;
            if (::fstat(fd, &info) != 0) {
                error = errno;
                return true;
            }
            auto [known, fresh] = syncErrors.try_emplace(info.st_dev, 0);
            if (fresh && ::syncfs(fd) != 0)
                known->second = errno;
            error = known->second;
            return true;
        });
        folderErrors[folder] = opened ? error : errno;
    }
    return folderErrors;
}

} // namespace

std::optional<FileFailure> DeferredReplacements::write(const std::string& path, std::string_view text)
{
    AtomicFileStream file;
    std::optional<FileFailure> failure = file.open(path);
    if (!failure)
        failure = file.write(text);
    if (!failure)
        failure = file.closeUnsynced();
    if (!failure)
        files_.push_back(std::move(file));
    return failure;
}

std::vector<DeferredReplacements::Failed> DeferredReplacements::finish()
{
    std::vector<Failed> failed;
    std::set<std::string> folders;
    for (const AtomicFileStream& file : files_)
        folders.insert(parentFolder(file.targetPath()));

    // Every temporary file reaches the disk before any of them replaces its page.
    std::map<std::string, int> folderErrors = syncFileSystems(folders);
    for (std::size_t i = 0; i < files_.size(); ++i) {
        AtomicFileStream& file = files_[i];
        if (const int error = folderErrors[parentFolder(file.targetPath())]) {
            failed.push_back({i, failureFromErrno("Write", file.requestedPath(), error)});
            continue;
        }
        if (std::optional<FileFailure> failure = file.replace())
            failed.push_back({i, std::move(*failure)});
    }
    // The renames last once their file systems are synced again: one journal
    // commit, where a sync per folder would wait for one each.
    syncFileSystems(folders);
    files_.clear();
    return failed;
}

} // namespace torvane

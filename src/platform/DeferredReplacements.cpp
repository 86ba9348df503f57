#include "platform/DeferredReplacements.h"
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace torvane {

namespace {

constexpr std::size_t kRenameThreads = 4;

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

FileResult DeferredReplacements::write(const std::string& path, std::string_view text,
                                       const std::optional<FileIdentity>& expected)
{
    AtomicFileStream file;
    FileResult result = file.open(path, expected);
    if (!result.failed())
        result = file.write(text);
    if (!result.failed())
        result = file.closeUnsynced();
    if (!result.failed())
        files_.push_back(std::move(file));
    return result;
}

std::vector<DeferredReplacements::Failed> DeferredReplacements::finish()
{
    std::vector<Failed> failed;
    std::set<std::string> folders;
    for (const AtomicFileStream& file : files_)
        folders.insert(parentFolder(file.targetPath()));

    // Every temporary file reaches the disk before any of them replaces its page.
    const std::map<std::string, int> folderErrors = syncFileSystems(folders);
    std::vector<FileResult> failures(files_.size());
    // A rename over a page mostly waits for the file system's journal, and
    // waits overlap: a few threads take every few-th file. Each keeps its
    // own results, so the outcome does not depend on their timing.
    const auto replaceEvery = [&](std::size_t first, std::size_t step) {
        for (std::size_t i = first; i < files_.size(); i += step) {
            AtomicFileStream& file = files_[i];
            if (const int error = folderErrors.at(parentFolder(file.targetPath())))
                failures[i] = failureFromErrno(FileOperation::Write, file.requestedPath(), error);
            else
                failures[i] = file.replace();
        }
    };
    const std::size_t threads = std::min<std::size_t>(kRenameThreads, (files_.size() + 63) / 64);
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(replaceEvery, t, threads);
    replaceEvery(0, std::max<std::size_t>(threads, 1));
    for (std::thread& helper : helpers)
        helper.join();
    for (std::size_t i = 0; i < failures.size(); ++i)
        if (failures[i].failed())
            failed.push_back({i, failures[i].failure()});
    // The renames last once their file systems are synced again: one journal
    // commit, where a sync per folder would wait for one each.
    syncFileSystems(folders);
    files_.clear();
    return failed;
}

} // namespace torvane

#include "platform/FileAccess.h"
#include "platform/TemporaryNames.h"
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {

namespace {

// A save writes and renames its temporary within moments; one this old was
// left by a process that was killed.
constexpr time_t kStaleAfterSeconds = 10 * 60;

bool isPatternLetters(std::string_view letters)
{
    return letters.size() == kTemporaryPattern.size() && std::all_of(letters.begin(), letters.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

// Whether the name is one of this program's temporaries, and the id of the
// process that made it (0 when the name does not say).
bool isTemporaryName(std::string_view name, pid_t& writer)
{
    if (name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix)
        return false;
    name.remove_prefix(kTemporaryPrefix.size());
    writer = 0;
    const std::size_t dash = name.find('-');
    if (dash != std::string_view::npos) {
        const auto [end, problem] = std::from_chars(name.data(), name.data() + dash, writer);
        if (problem != std::errc() || end != name.data() + dash || writer <= 0)
            return false;
        name.remove_prefix(dash + 1);
    }
    return isPatternLetters(name);
}

// A temporary whose writer is gone can be no running save's: removed at
// once. Ids come back in use, so age alone decides for a living one.
bool writerIsGone(pid_t writer)
{
    return writer > 0 && writer != ::getpid() && ::kill(writer, 0) != 0 && errno == ESRCH;
}

} // namespace

int removeStaleTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const time_t now = ::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        pid_t writer = 0;
        if (!isTemporaryName(entry->d_name, writer))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info;
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            (writerIsGone(writer) || now - info.st_mtime > kStaleAfterSeconds) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

} // namespace torvane

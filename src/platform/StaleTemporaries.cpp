#include "platform/FileAccess.h"
#include "platform/TemporaryNames.h"
#include <ctime>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {

namespace {

// A save writes and renames its temporary within moments; one this old was
// left by a process that was killed.
constexpr time_t kStaleAfterSeconds = 10 * 60;

bool isTemporaryName(std::string_view name)
{
    if (name.size() != kTemporaryPrefix.size() + kTemporaryPattern.size() ||
        name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix)
        return false;
    for (char c : name.substr(kTemporaryPrefix.size()))
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
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
        if (!isTemporaryName(entry->d_name))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info;
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && now - info.st_mtime > kStaleAfterSeconds &&
            ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

} // namespace torvane

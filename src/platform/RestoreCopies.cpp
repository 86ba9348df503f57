#include "platform/RestoreCopies.h"
#include "platform/FileAccess.h"
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <unistd.h>

namespace torvane {

namespace {

constexpr std::string_view kCopyMark = ".torvane-restore-";
constexpr std::string_view kHeaderStart = "torvane restore copy\n";

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// FNV-1a: tells a file that holds the new bytes whole from one cut short.
std::uint64_t textHash(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return hash;
}

struct CopyHeader {
    std::string page;
    long pid = 0;
    std::size_t oldSize = 0;
    std::size_t newSize = 0;
    std::uint64_t newHash = 0;
    std::size_t bytesStart = 0;
};

// The value of `key` on its own line of the header, or nothing.
bool headerValue(std::string_view header, std::string_view key, std::string& value)
{
    const std::string line = "\n" + std::string(key) + "=";
    const std::size_t at = header.find(line);
    if (at == std::string_view::npos)
        return false;
    const std::size_t start = at + line.size();
    value = std::string(header.substr(start, header.find('\n', start) - start));
    return true;
}

bool readHeader(std::string_view copy, CopyHeader& header)
{
    const std::size_t end = copy.find("\n\n");
    if (!copy.starts_with(kHeaderStart) || end == std::string_view::npos)
        return false;
    const std::string_view text = copy.substr(0, end + 1);
    std::string pid, oldSize, fresh;
    if (!headerValue(text, "page", header.page) || !headerValue(text, "pid", pid) ||
        !headerValue(text, "old", oldSize) || !headerValue(text, "new", fresh))
        return false;
    char* rest = nullptr;
    header.pid = std::strtol(pid.c_str(), nullptr, 10);
    header.oldSize = std::strtoull(oldSize.c_str(), nullptr, 10);
    header.newSize = std::strtoull(fresh.c_str(), &rest, 10);
    header.newHash = std::strtoull(rest, nullptr, 16);
    header.bytesStart = end + 2;
    return header.pid > 0 && copy.size() == header.bytesStart + header.oldSize;
}

bool isRunning(long pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

std::string restoreFolder(bool make)
{
    std::string cache = environment("XDG_CACHE_HOME");
    if (cache.empty() && !environment("HOME").empty())
        cache = environment("HOME") + "/.cache";
    if (!cache.empty()) {
        const std::string folder = cache + "/torvane/restore";
        if (make ? !makeDirectories(folder).failed() && mayCreateFilesIn(folder) : isDirectory(folder))
            return folder;
    }
    std::string temporary = environment("TMPDIR");
    if (temporary.empty())
        temporary = "/tmp";
    return mayCreateFilesIn(temporary) ? temporary : std::string();
}

std::string restoreCopyHeader(const std::string& path, std::string_view old, std::string_view text)
{
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(textHash(text)));
    return std::string(kHeaderStart) + "page=" + resolvedPath(path) +
           "\ndoing=rewrite in place\npid=" + std::to_string(::getpid()) + "\nold=" + std::to_string(old.size()) +
           "\nnew=" + std::to_string(text.size()) + " " + hash + "\n\n";
}

std::vector<RestoredPage> restoreUnfinishedWrites(const std::vector<std::string>& paths)
{
    std::vector<RestoredPage> restored;
    const std::string folder = restoreFolder(false);
    DirectoryEntries entries;
    if (folder.empty() || listDirectory(folder, entries).failed())
        return restored;
    std::vector<std::string> copies;
    for (const std::string& name : entries.files)
        if (name.find(kCopyMark) != std::string::npos)
            copies.push_back(folder + "/" + name);
    if (copies.empty())
        return restored;
    // Only when there are copies at all is every page's real path worth asking for.
    std::set<std::string> listed;
    for (const std::string& path : paths)
        if (std::string real = resolvedPath(path); !real.empty())
            listed.insert(std::move(real));
    for (const std::string& copyPath : copies) {
        std::string copy;
        CopyHeader header;
        if (readWholeFile(copyPath, copy).failed() || !readHeader(copy, header) || !listed.contains(header.page) ||
            isRunning(header.pid))
            continue;
        const std::string_view old = std::string_view(copy).substr(header.bytesStart);
        std::string now;
        if (readWholeFile(header.page, now).failed())
            continue;
        const bool whole = now == old || (now.size() == header.newSize && textHash(now) == header.newHash);
        FileResult result;
        if (!whole) {
            result = writeFileAtomically(header.page, old);
            restored.push_back({header.page, result});
        }
        if (!result.failed())
            deleteFile(copyPath);
    }
    return restored;
}

} // namespace torvane

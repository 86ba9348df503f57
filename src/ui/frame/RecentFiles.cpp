#include "ui/frame/RecentFiles.h"
#include "platform/Profile.h"
#include <algorithm>

namespace torvane {

namespace {

constexpr std::string_view kSection = "Recent File List";

std::string keyFor(int index)
{
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(Profile& profile)
    : profile_(profile)
{
    for (int i = 0; i < kCapacity; ++i) {
        std::string path = profile_.readString(kSection, keyFor(i), "");
        if (!path.empty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end())
            paths_.push_back(std::move(path));
    }
}

void RecentFiles::add(const std::string& path)
{
    if (path.empty())
        return;
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kCapacity)
        paths_.resize(kCapacity);
    write();
}

void RecentFiles::remove(const std::string& path)
{
    if (std::erase(paths_, path) > 0)
        write();
}

void RecentFiles::write()
{
    for (int i = 0; i < kCapacity; ++i) {
        if (i < static_cast<int>(paths_.size()))
            profile_.writeString(kSection, keyFor(i), paths_[i]);
        else
            profile_.deleteKey(kSection, keyFor(i));
    }
}

} // namespace torvane

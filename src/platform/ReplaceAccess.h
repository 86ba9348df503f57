#pragma once
#include <string>
#include <unordered_map>

namespace torvane {

// mayReadAndReplace for the many pages of one load: whether new files may be
// made in a folder is asked once per folder.
class ReplaceAccess {
public:
    bool mayReadAndReplace(const std::string& path);

private:
    std::unordered_map<std::string, bool> folderWritable_;
};

} // namespace torvane

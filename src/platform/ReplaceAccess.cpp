#include "platform/ReplaceAccess.h"
#include "platform/FileAccess.h"

namespace torvane {

bool ReplaceAccess::mayReadAndReplace(const std::string& path)
{
    if (!mayReadAndWrite(path))
        return false;
    const auto [folder, added] = folderWritable_.try_emplace(parentFolder(path));
    if (added)
        folder->second = mayReplaceFilesIn(folder->first);
    return folder->second;
}

} // namespace torvane

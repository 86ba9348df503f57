#include "platform/ReplaceAccess.h"
#include "platform/FileAccess.h"
#include "platform/InPlaceWrite.h"

namespace torvane {

bool ReplaceAccess::mayReadAndReplace(const std::string& path)
{
    if (!mayReadAndWrite(path))
        return false;
    const auto [folder, added] = folderWritable_.try_emplace(parentFolder(path));
    if (added)
        folder->second = mayCreateFilesIn(folder->first) || mayKeepRestoreCopies();
    return folder->second;
}

} // namespace torvane

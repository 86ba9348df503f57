#include "ui/frame/LockKeys.h"
#include <filesystem>
#include <fstream>

namespace torvane {

bool isLockOn(const std::string& ledFolder, std::string_view lockName)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(ledFolder, error);
    if (error)
        return false;
    const std::string suffix = "::" + std::string(lockName);
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.size() < suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        int brightness = 0;
        std::ifstream(entry.path() / "brightness") >> brightness;
        if (brightness > 0)
            return true;
    }
    return false;
}

} // namespace torvane

#include "ui/ProjectFileName.h"

namespace torvane {

bool isProjectFileName(std::string_view path)
{
    constexpr std::string_view extension = ".ipj";
    if (path.size() <= extension.size())
        return false;
    const std::string_view tail = path.substr(path.size() - extension.size());
    for (size_t i = 0; i < extension.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != extension[i])
            return false;
    }
    return true;
}

} // namespace torvane

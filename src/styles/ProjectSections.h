#pragma once
#include "platform/TextUtil.h"
#include <span>
#include <string>
#include <string_view>

namespace torvane {

// Calls `visit` with each non-empty line after the section's first header
// (trailing blanks on the header allowed), up to the next line opening a
// section. Returns false when the file has no such header.
template <typename Visit>
bool forEachSectionLine(std::span<const std::string> lines, std::string_view section, Visit visit)
{
    const std::string header = "[" + std::string(section) + "]";
    size_t i = 0;
    while (i < lines.size() && trimRight(lines[i]) != header)
        ++i;
    if (i == lines.size())
        return false;
    for (++i; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty())
            continue;
        if (line.front() == '[')
            break;
        visit(line);
    }
    return true;
}

// The value of "key=value" when `line` starts with exactly that key and "=".
inline bool takeKeyValue(std::string_view line, std::string_view key, std::string_view& value)
{
    if (line.size() <= key.size() || !line.starts_with(key) || line[key.size()] != '=')
        return false;
    value = line.substr(key.size() + 1);
    return true;
}

} // namespace torvane

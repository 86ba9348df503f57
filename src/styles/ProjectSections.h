#pragma once
#include "platform/TextUtil.h"
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// "[Name]": the line that opens the section of that name.
inline std::string sectionHeader(std::string_view section)
{
    return "[" + std::string(section) + "]";
}

// Calls `visit` with each non-empty line after the first line that is
// `header` (trailing blanks allowed), up to the next line opening a section.
// Returns false when the file has no such line.
template <typename Visit>
bool forEachSectionLine(std::span<const std::string> lines, std::string_view header, Visit visit)
{
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

// The lines `forEachSectionLine` visits, gathered; none when the file lacks the header.
inline std::vector<std::string_view> sectionLines(std::span<const std::string> lines, std::string_view header)
{
    std::vector<std::string_view> section;
    forEachSectionLine(lines, header, [&](std::string_view line) { section.push_back(line); });
    return section;
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

#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Whether a "File=" line can hold the page at `fullPath` (native) so that it
// reads back as the same file: the project file is read line by line, and
// its stored paths use "\\" as the folder separator, so no line break may
// appear anywhere, and no backslash in a name below `projectDirectory` (or
// in the bare name of a page outside it).
bool projectFileCanHold(std::string_view projectDirectory, std::string_view fullPath);

// Told when Add Files leaves such pages out; the paths follow, one a line.
inline constexpr std::string_view kUnstorablePagesMessage =
    "These files were not added: the project file cannot hold a file name with a line break or a "
    "backslash.\n\n";

// kUnstorablePagesMessage followed by the paths.
std::string unstorablePagesMessage(const std::vector<std::string>& fullPaths);

} // namespace torvane

#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// True when the name's extension (from its last dot, dot included) equals one
// of `validExtensions` ("." + name) without regard to ASCII letter case.
bool hasValidExtension(std::string_view fileName, const std::vector<std::string>& validExtensions);

// The full paths of the pages anywhere below `startFolder` (native, ending in
// "/"), in the order the file system lists them. Folders that cannot be read
// are passed over, and a folder reached again through a link is not listed
// twice, so a link loop cannot make the scan run forever.
std::vector<std::string> findPagesBelow(const std::string& startFolder,
                                        const std::vector<std::string>& validExtensions);

} // namespace torvane

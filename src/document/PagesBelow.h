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

// A typed or dropped path made absolute against `projectFolder` (ending in
// "/") and normalised, with "/" after a folder: the form that is compared
// with the project folder.
std::string normalPagePath(const std::string& typed, const std::string& projectFolder);
// Only what lies below the project folder can be added: a page elsewhere has
// no path the project file could store.
bool isBelowProjectFolder(const std::string& normalPath, const std::string& projectFolder);
// Why such a path is refused, told after the path and ": ".
std::string notBelowProjectFolder(const std::string& projectFolder);

} // namespace torvane

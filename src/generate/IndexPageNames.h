#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The groups that may get pages of their own, in the order they are written.
inline constexpr std::string_view kPageGroupOrder = "*0ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// A configured output name without its folder: every output lands in the
// project directory.
std::string_view bareFileName(std::string_view name);

// The bare name of the HTML index split at its last dot, the parts every
// page of the index is named from.
struct IndexNameParts {
    std::string base; // "Index"
    std::string extension; // ".htm": with its dot, or empty
};
IndexNameParts splitIndexName(std::string_view configuredName);

// "Symbols", "Numbers" or the letter: the anchor and image name of a group.
std::string groupName(char group);

// The page of one group when each group has a file of its own:
// "Index-Symbols.htm", "Index-Numbers.htm", "Index-K.htm".
std::string groupPageName(std::string_view base, std::string_view extension, char group);

// The EPUB index beside an HTML index of this name: "Index-epub.xhtml". No
// page of the HTML index ends so, whatever its extension.
std::string epubIndexFileName(std::string_view configuredIndexName);

// Every file an HTML index of this name may consist of: the index or frame
// set, the content and navigation pages, and the pages of all groups.
std::vector<std::string> htmlIndexFileNames(const std::string& base, const std::string& extension);

} // namespace torvane

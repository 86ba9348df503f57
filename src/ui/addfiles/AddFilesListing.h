#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class ProjectRootNode;

// True when the name's extension (from its last dot, dot included) equals one
// of `validExtensions` ("." + name) without regard to ASCII letter case.
bool hasValidExtension(std::string_view fileName, const std::vector<std::string>& validExtensions);

// The full paths of the pages anywhere below `startFolder` (native, ending in
// "/"), in the order the file system lists them. Folders that cannot be read
// are passed over, and a folder reached again through a link is not listed
// twice, so a link loop cannot make the scan run forever.
std::vector<std::string> findPagesBelow(const std::string& startFolder,
                                        const std::vector<std::string>& validExtensions);

// Builds the Add Files dialog's own tree: the pages under its local files
// node, which is collapsed, selected (and with it every page) and current.
void fillAddFilesModel(ProjectRootNode& model, std::string_view startFolder, const std::vector<std::string>& pages);

// The full paths of the selected pages, in walk order.
std::vector<std::string> chosenPages(ProjectRootNode& model);

} // namespace torvane

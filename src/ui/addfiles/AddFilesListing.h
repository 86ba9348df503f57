#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class ProjectRootNode;

// Builds the Add Files dialog's own tree: the pages under its local files
// node, which is collapsed, selected (and with it every page) and current.
void fillAddFilesModel(ProjectRootNode& model, std::string_view startFolder, const std::vector<std::string>& pages);

// The full paths of the selected pages, in walk order.
std::vector<std::string> chosenPages(ProjectRootNode& model);

} // namespace torvane

#include "ui/addfiles/AddFilesListing.h"
#include "model/ProjectRootNode.h"

namespace torvane {

void fillAddFilesModel(ProjectRootNode& model, std::string_view startFolder, const std::vector<std::string>& pages)
{
    model.setProjectDirectory(startFolder);
    for (const std::string& page : pages)
        model.findOrCreateFile(page);
    LocalFilesNode& files = model.localFiles();
    files.setExpanded(false);
    files.setSelected(true);
    model.setCurrentNode(&files);
}

std::vector<std::string> chosenPages(ProjectRootNode& model)
{
    std::vector<ProjectNode*> files;
    model.collect(files, NodeKindMask::SelectedOnly | NodeKindMask::File);
    std::vector<std::string> paths;
    paths.reserve(files.size());
    for (const ProjectNode* file : files)
        paths.push_back(file->fullPath());
    return paths;
}

} // namespace torvane

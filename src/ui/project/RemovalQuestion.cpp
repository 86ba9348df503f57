#include "ui/project/RemovalQuestion.h"
#include "model/ProjectRootNode.h"
#include <vector>

namespace torvane {

namespace {

RemovalCounts countKinds(ProjectRootNode& root, unsigned selection)
{
    std::vector<ProjectNode*> nodes;
    root.collect(nodes, selection | NodeKindMask::File | NodeKindMask::Url | NodeKindMask::Locator);
    RemovalCounts counts;
    for (const ProjectNode* node : nodes) {
        const unsigned kind = node->kindBit();
        if (kind == NodeKindMask::File)
            ++counts.pages;
        else if (kind == NodeKindMask::Url)
            ++counts.urls;
        else
            ++counts.locators;
    }
    return counts;
}

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

RemovalCounts selectedRemovable(ProjectRootNode& root)
{
    return countKinds(root, NodeKindMask::SelectedOnly);
}

RemovalCounts projectRemovable(ProjectRootNode& root)
{
    return countKinds(root, 0);
}

std::optional<std::string> removalQuestion(const RemovalCounts& removing, const RemovalCounts& inProject)
{
    const bool wholeProject = removing.total() > 0 && removing == inProject;
    if (!wholeProject && removing.total() <= kRemovalHandful)
        return std::nullopt;
    std::string text = wholeProject ? "This removes everything from the project: " : "This removes ";
    text += counted(removing.pages, "page", "pages") + ", " + counted(removing.urls, "URL", "URLs") + " and " +
            counted(removing.locators, "cross-reference locator", "cross-reference locators") + ".\n\n";
    text += "The pages stay on disk, but the entries of the URLs and the cross-references exist only in the "
            "project file and are lost once it is saved.\n\nRemove them?";
    return text;
}

} // namespace torvane

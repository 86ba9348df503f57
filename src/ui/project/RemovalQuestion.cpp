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

// 20000 as "20,000": a count of pages is read at a glance.
std::string withThousands(std::size_t count)
{
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

std::string counted(std::size_t count, const char* one, const char* many)
{
    return withThousands(count) + " " + (count == 1 ? one : many);
}

// The kinds that are removed, "A", "A and B" or "A, B and C"; a kind with
// nothing to remove is left out.
std::string countedKinds(const RemovalCounts& counts)
{
    std::vector<std::string> parts;
    if (counts.pages > 0)
        parts.push_back(counted(counts.pages, "page", "pages"));
    if (counts.urls > 0)
        parts.push_back(counted(counts.urls, "URL", "URLs"));
    if (counts.locators > 0)
        parts.push_back(counted(counts.locators, "cross-reference locator", "cross-reference locators"));
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text;
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
    text += countedKinds(removing) + ".\n\n";
    text += "The pages stay on disk, but the entries of the URLs and the cross-references exist only in the "
            "project file and are lost once it is saved.\n\nRemove them?";
    return text;
}

} // namespace torvane

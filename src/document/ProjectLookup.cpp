#include "document/ProjectLookup.h"
#include "document/TargetLookup.h"
#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"

namespace torvane {

namespace {

template <typename Node>
std::vector<Node*> nodesOf(ProjectRootNode& root, unsigned mask)
{
    std::vector<ProjectNode*> nodes;
    root.collect(nodes, mask);
    std::vector<Node*> typed;
    typed.reserve(nodes.size());
    for (ProjectNode* node : nodes)
        typed.push_back(static_cast<Node*>(node));
    return typed;
}

} // namespace

std::vector<SourceFile*> listedPages(ProjectRootNode& root)
{
    return nodesOf<SourceFile>(root, NodeKindMask::File);
}

std::vector<ExternalUrl*> listedUrls(ProjectRootNode& root)
{
    return nodesOf<ExternalUrl>(root, NodeKindMask::Url);
}

SourceFile* findPage(ProjectRootNode& root, std::string_view relativePath)
{
    return TargetLookup(root).findPage(relativePath);
}

ExternalUrl* findUrl(ProjectRootNode& root, std::string_view url)
{
    return TargetLookup(root).findUrl(url);
}

void selectOnly(ProjectRootNode& root, const std::vector<ProjectNode*>& nodes)
{
    root.applyTreeSelection(root, false, false);
    root.setSelected(false);
    for (ProjectNode* node : nodes) {
        // A collapsed node would hand its selection down to its children.
        node->setExpanded(true);
        node->setSelected(true);
    }
}

} // namespace torvane

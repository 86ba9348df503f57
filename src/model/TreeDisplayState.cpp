#include "model/TreeDisplayState.h"

#include "model/ProjectRootNode.h"

namespace torvane {

namespace {

void recordBelow(ProjectNode& node, TreeDisplayState::Path& path, TreeDisplayState& state)
{
    if (node.isSelected())
        state.selected.push_back(path);
    if (!node.isExpanded())
        return;
    state.expanded.push_back(path);
    node.forEachChild([&path, &state](ProjectNode& child) {
        if (!child.isExpanded() && !child.mayHoldSelection())
            return;
        path.push_back(child.label());
        recordBelow(child, path, state);
        path.pop_back();
    });
}

ProjectNode* nodeAt(ProjectRootNode& root, const TreeDisplayState::Path& path)
{
    ProjectNode* node = &root;
    for (auto label = path.begin(); node && label != path.end(); ++label)
        node = node->findChild(*label);
    return node;
}

TreeDisplayState::Path pathOf(const ProjectNode& node)
{
    TreeDisplayState::Path path;
    for (const ProjectNode* at = &node; at->parent(); at = at->parent())
        path.push_back(at->label());
    return {path.rbegin(), path.rend()};
}

} // namespace

TreeDisplayState recordDisplayState(ProjectRootNode& root)
{
    TreeDisplayState state;
    TreeDisplayState::Path path;
    recordBelow(root, path, state);
    state.current = pathOf(*root.currentNode());
    return state;
}

void restoreDisplayState(ProjectRootNode& root, const TreeDisplayState& state)
{
    root.collapseAll(false);
    for (const TreeDisplayState::Path& path : state.expanded)
        if (ProjectNode* node = nodeAt(root, path))
            node->setExpanded(true);
    for (const TreeDisplayState::Path& path : state.selected)
        if (ProjectNode* node = nodeAt(root, path))
            node->setSelected(true);
    root.setCurrentNode(nodeAt(root, state.current));
}

} // namespace torvane

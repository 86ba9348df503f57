#pragma once

#include <string>
#include <vector>

namespace torvane {

class ProjectRootNode;

// Which nodes of a project tree are expanded and selected and which one is
// current, each named by the labels leading to it from the root, so that the
// state can be put back on any later tree. Below a collapsed node everything
// shares its state, so the walk stops there, and it goes only where something
// is expanded or selected: recording costs what is shown.
struct TreeDisplayState {
    using Path = std::vector<std::string>;
    std::vector<Path> expanded; // parents before children
    std::vector<Path> selected;
    Path current;
};

TreeDisplayState recordDisplayState(ProjectRootNode& root);
// Collapses and deselects the tree, then expands and selects the recorded
// nodes that still exist; the current node becomes the recorded one, or the
// root when it is gone. List marks are left alone.
void restoreDisplayState(ProjectRootNode& root, const TreeDisplayState& state);

} // namespace torvane

#pragma once

#include <memory>
#include <string>
#include <vector>

namespace torvane {

class ProjectNode;
class ProjectRootNode;

// A place of a project tree whose state an action may change: a page with
// its targets, an external URL, or the cross-references as a whole. Named by
// keys rather than by node, so that it is found again in any later state of
// the tree, whatever objects fill it by then.
struct TreeSlot {
    enum class Kind { File, Url, Locators };
    Kind kind = Kind::File;
    // The folders below the project directory, outermost first (pages only).
    std::vector<std::string> folders;
    // The page's file name or the URL.
    std::string name;
};

// The node whose place covers `node`: a target's page, a locator's container,
// the node itself for pages, URLs and the locators; null for anything else.
ProjectNode* slotHolder(ProjectNode& node);
// The place of a node that slotHolder returns for itself.
TreeSlot slotOf(ProjectNode& holder);
// A detached copy of such a node with everything below it and all records.
std::unique_ptr<ProjectNode> copyOfHolder(ProjectNode& holder);
// Puts `incoming` (null empties the place; the locators are never empty) at
// the place and returns what filled it, detached, or null. A caret inside
// the outgoing nodes moves to their incoming counterpart, else to the root.
std::unique_ptr<ProjectNode> exchangeAtSlot(ProjectRootNode& root, const TreeSlot& slot,
                                            std::unique_ptr<ProjectNode> incoming);

} // namespace torvane

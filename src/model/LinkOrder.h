#pragma once

#include <vector>

namespace torvane {

class ProjectNode;

// Puts siblings in the order of their links, lower-cased and byte by byte
// (a folder's name goes on with '/', a page's with '#'); the tree keeps
// them in nearly that order already, but for folders among pages and
// letter case. False when two would share a link part, or when a name
// holds a byte at or below '#', so that the links of a sibling could fall
// between those of a page and of its targets: the order of the names is
// then not the order of all the links below them.
bool putInLinkOrder(std::vector<ProjectNode*>& children);

} // namespace torvane

#pragma once
#include "ui/project/ListRows.h"
#include <vector>

namespace torvane {

class ProjectRootNode;

// The list's rows for the tree's selection, sorted by `column`: the entries
// of the selected files, targets and URLs and the cross-references of the
// selected locators. Sorted by Target URL the rows come out of one walk in
// link order (the tree keeps its children in nearly that order), so that a
// selection of a million records costs no string copies and no sort.
std::vector<ListRow> shownRows(ProjectRootNode& root, int column, bool ascending);

} // namespace torvane

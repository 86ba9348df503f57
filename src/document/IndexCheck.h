#pragma once
#include "document/IndexFindings.h"

namespace torvane {

class CProjectDoc;
class ProjectNode;
class ProjectRootNode;

// Checks the open project as it is in memory (nothing on disk changes):
// listed pages, entries, URLs, cross-references and output names. Findings
// come in a fixed order: pages in tree order, then entries, URLs,
// cross-references and the output names.
IndexCheckReport checkIndex(CProjectDoc& document);

// The node a finding is about as the tree has it now: its anchor (or its
// page when the anchor is gone), its page, its URL, or the locator of its
// cross-reference; null when there is none.
ProjectNode* findingNode(ProjectRootNode& root, const IndexFinding& finding);

} // namespace torvane

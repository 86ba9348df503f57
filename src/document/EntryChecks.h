#pragma once
#include "document/IndexFindings.h"
#include <vector>

namespace torvane {

class ProjectNode;
class ProjectRootNode;

// The findings about index entries: empty sort keys, frame names that no
// link can open in, and likely duplicates at one level.
void checkEntries(ProjectRootNode& root, std::vector<IndexFinding>& findings);

// Cross-references whose locator leads to no line of the index: no entry
// and no cross-reference heading sorts as the locator or has it as its
// first levels.
void checkCrossReferences(ProjectRootNode& root, std::vector<IndexFinding>& findings);

// The page and target fields of a finding about `holder`'s entries.
IndexFinding findingAt(const char* kind, const ProjectNode& holder);

} // namespace torvane

#pragma once
#include "document/IndexFindings.h"
#include <vector>

namespace torvane {

class ProjectRootNode;

// What an indexer reviews in an index once it is written: See also under a
// heading with no locators of its own (it should be See), See under a
// heading that has locators, a heading with a single subentry, a heading
// with more than `maxLocators` locators, and double posts ("A, B" and
// "B, A") that lead to different places.
void checkReview(ProjectRootNode& root, int maxLocators, std::vector<IndexFinding>& findings);

} // namespace torvane

#pragma once
#include "document/IndexFindings.h"
#include <string>
#include <vector>

namespace torvane {

// The line of each finding in its page (1-based; 0 where there is none: a
// finding without a page, or a page that cannot be read): the line of the
// index block where its target's entries are stored, else the line where
// the block begins, else the first line. Each page is read once.
std::vector<int> findingLines(const std::string& projectDirectory, const std::vector<IndexFinding>& findings);

} // namespace torvane

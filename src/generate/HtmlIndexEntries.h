#pragma once
#include "generate/IndexNode.h"
#include "styles/StyleSettings.h"
#include <string>

namespace torvane {

// Appends the lines of one top-level node and its subtree: one line per link
// (hanging layout) or one paragraph per top-level node (run-in layout), as
// `MultiLevel` chooses. Lines end CR LF.
void appendEntryLines(std::string& out, const IndexNode& topLevelNode, const StyleSettings& style);

} // namespace torvane

#pragma once
#include "document/IndexFindings.h"
#include <vector>

namespace torvane {

class SourceFile;

// Tells what loading the page passed over: entries its index comment block
// keeps for anchors the page no longer has (renamed or removed), and a block
// that is damaged (several blocks, no end marker, markers in other letter
// case).
void checkStoredBlock(const SourceFile& page, std::vector<IndexFinding>& findings);

} // namespace torvane

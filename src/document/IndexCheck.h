#pragma once
#include "document/IndexFindings.h"

namespace torvane {

class CProjectDoc;

// Checks the open project as it is in memory (nothing on disk changes):
// listed pages, entries, URLs, cross-references and output names. Findings
// come in a fixed order: pages in tree order, then entries, URLs,
// cross-references and the output names.
IndexCheckReport checkIndex(CProjectDoc& document);

} // namespace torvane

#pragma once
#include "model/BlockDamage.h"
#include "sources/PageScanner.h"
#include "sources/PairReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// What loading takes from a page.
struct ScannedPage {
    std::string headingText;
    std::string titleText;
    std::vector<Anchor> anchors;
    // Elements with an id, when asked for (see findIdTargets).
    std::vector<Anchor> ids;
    // As readBlockRecords and findBlockDamage give them.
    NameValueList blockRecords;
    BlockDamage blockDamage;
};

// The full scan of a page's whole text: first heading, title and anchors of
// its text outside comments, index block records and damage of its comments.
// The pass that cuts out the comments also finds where "<a" may start, so
// that the anchors take no search of their own. `withIds` also lists the
// elements that have an id.
ScannedPage scanPage(std::string_view text, bool withIds = false);

} // namespace torvane

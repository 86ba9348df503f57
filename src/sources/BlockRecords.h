#pragma once
#include "sources/ParsePairs.h"

#include <string_view>

namespace torvane {

// Reading the index comment block back into records.
//
// The result is a flat list of (key, value) pairs: ("Target", name) opens a
// target, and every record after it is exactly seven pairs, always in the
// order IndexAs, HelpAs, HelpTitle, SortAs, IndexTarget, HelpWindow,
// HelpFrame. A record with an empty IndexAs stands for an excluded target;
// HelpAs defaults to IndexAs and HelpTitle to "Untitled". Values keep their
// backslash escapes.

// Finds the block ("<!-- HTML Torvane" ... "HTML Torvane -->", markers matched
// exactly) in a page's comment text and reads it. No block, or no
// `Target="` in it, gives an empty list; a missing end marker reads to the
// end of the text. Unknown keys are skipped, and an entry line with an empty
// IndexAs yields no record of its own.
NameValueList readBlockRecords(std::string_view commentText);

} // namespace torvane

#pragma once
#include "document/EntryValues.h"
#include <string>

namespace torvane::test {

// The parts of the message the entry and cross-reference dialogs show for
// fields they refuse.
inline const std::string kHeading = "Please correct the following errors:\n";
inline const std::string kRequired = "\n  Required field missing.\n";
inline const std::string kMarker = "\n  Field may not contain \"<!-- HTML Torvane\" or \"HTML Torvane -->\"\n";
inline const std::string kQuote =
    "\n  To include a quotation mark (\"), precede it with a backslash, like this:\n      \\\"\n";
inline const std::string kBackslash =
    "\n  A backslash (\\) must precede a comma, a quotation mark, or another backslash:\n      \\, \\\" or \\\\\n";

// The four texts of an index entry as the user typed them.
inline IndexEntryValues typedEntry(std::string indexAs, std::string helpAs, std::string helpTitle, std::string sortAs)
{
    IndexEntryValues values;
    values.indexAs = std::move(indexAs);
    values.helpAs = std::move(helpAs);
    values.helpTitle = std::move(helpTitle);
    values.sortAs = std::move(sortAs);
    return values;
}

} // namespace torvane::test

#pragma once
#include "sources/PairReader.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class ProjectRootNode;
struct TorvaneExtensions;

// The entries of a project's pages kept in one text file beside the project
// file, so that pages rebuilt by a generator never lose them. One line per
// entry, each whole in itself so that version control diffs and merges it
// line by line:
//     Page="guide/intro.htm",Target="#",IndexAs="..",SortAs="..",...
// Pages in project order, in each page "#" first and then its targets in
// target order, entries in entry order; the fields and their escapes are
// those of a page's index block, and a line with an empty IndexAs marks its
// target excluded.

// The store's full path: the file the project names, or the project file's
// name with kEntryStoreSuffix in place of its extension.
std::string entryStorePath(const std::string& projectPath, const TorvaneExtensions& extensions);

// Each page's lines as read, keyed by its path below the project folder
// ("/" separators), in the file's order.
using StoredPageLines = std::map<std::string, std::vector<std::string>>;

// The store's text: the pages of `root`, then `unlisted` (lines of pages
// the project does not list, kept as read).
std::string entryStoreText(ProjectRootNode& root, const StoredPageLines& unlisted);

// The lines of a store's text by page; lines that are not entry lines are
// passed over.
StoredPageLines readEntryStore(std::string_view text);

// A page's lines as the records its index block would give.
NameValueList recordsOfStoredLines(const std::vector<std::string>& lines);

} // namespace torvane

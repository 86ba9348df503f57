#pragma once
#include "shell/cli/ImportedIndex.h"
#include <string>
#include <string_view>

namespace torvane {

// Each reads an index made elsewhere from `text`, the contents of `file`,
// into `index`, and gives an empty text, or what is wrong with the file.
// Links are resolved from the file's folder to targets named as on the
// command line; `projectDirectory` ends in "/".

// What `export` writes, as JSON or as CSV: the entries of explicit targets,
// the excluded targets, the URLs and (JSON only) the cross-references, in
// their stored form. Entries of default and kept targets are left out, as an
// index leaves them out.
std::string readExportJson(std::string_view text, const std::string& file, const std::string& projectDirectory,
                           ImportedIndex& index);
std::string readExportCsv(std::string_view text, const std::string& file, const std::string& projectDirectory,
                          ImportedIndex& index);

// An HTML Help keyword index (.hhk): each keyword's topics become entries on
// the pages and anchors they link to (Local), levels from the nesting, help
// titles from the topics' names, and See Also keywords cross-references.
std::string readHtmlHelpIndex(std::string_view text, const std::string& file, const std::string& projectDirectory,
                              ImportedIndex& index);

// A Sphinx general index (genindex.html, genindex-all.html): each link of a
// term or subterm becomes an entry, and "see X" and "see also X" under a
// term cross-references.
std::string readSphinxIndex(std::string_view text, const std::string& file, const std::string& projectDirectory,
                            ImportedIndex& index);

} // namespace torvane

#pragma once
#include "document/EntryValues.h"
#include <cstddef>
#include <string_view>
#include <string>
#include <vector>

namespace torvane {

// Where an imported item was read: the file and its line.
struct SourcePlace {
    std::string file;
    std::size_t line = 0;
};

// An entry read from an index made elsewhere, in stored form, for the place
// named as on the command line ("page.htm", "page.htm#anchor" or a URL).
struct ImportedEntry {
    std::string target;
    IndexEntryValues values;
    SourcePlace source;
};

struct ImportedPlace {
    std::string target;
    SourcePlace source;
};

struct ImportedCrossReference {
    CrossReferenceValues values;
    SourcePlace source;
};

// What an import brings into a project.
struct ImportedIndex {
    std::vector<ImportedPlace> urls;
    std::vector<ImportedEntry> entries;
    std::vector<ImportedPlace> exclusions;
    std::vector<ImportedCrossReference> crossReferences;
};

// The folder of `file`, absolute, ending in "/".
std::string folderOf(const std::string& file);

// The target a link of an index file in `folder` names: a URL as it is,
// else the page relative to the project's folder (its %XX escapes resolved)
// with the link's fragment.
std::string projectTarget(std::string_view link, const std::string& folder, const std::string& projectDirectory);

// The line of the character at `offset` of `text`, counted from 1; built once
// so that placing every item of a large file stays linear.
class LineNumbers {
public:
    explicit LineNumbers(std::string_view text);
    std::size_t lineOf(std::size_t offset) const;

private:
    std::vector<std::size_t> lineStarts_;
};

} // namespace torvane

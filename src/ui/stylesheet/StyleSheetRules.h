#pragma once
#include "styles/StyleSettings.h"
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// The pages of the style sheet, in tab order; the last one, for the
// project's extensions, only in project mode.
enum class StylePageId { HeadingLinks, GroupHeadings, Layout, Enhancements, IndexTypes, Css, Extensions };

// The refusal a page's values meet when the page is left, if any.
std::optional<std::string> checkStylePage(StylePageId page, const StyleSettings& values);
// What leaving a page does to its accepted location fields: folders are
// trimmed and end in a separator, the style sheet file is trimmed, and an
// empty location becomes relative (type 0).
void normaliseStylePage(StylePageId page, StyleSettings& values);

// The path type that typing `text` into a location box gives.
int typedPathType(std::string_view text);

// Where a folder browse starts: a relative location is taken from the base
// folder (which ends in "/"); the result has no trailing separator.
std::string browseStartFolder(std::string_view path, int pathType, std::string_view baseFolder);
// Where the style sheet file browse starts: the folder of the location, or
// the base folder when the location names no folder.
std::string browseStartFileFolder(std::string_view path, int pathType, std::string_view baseFolder);

struct BrowsedLocation {
    std::string path;
    int pathType = PathType::Relative;
    // Chosen outside the project folder in project mode: the user is told.
    bool outsideProject = false;
};
// The stored form of a chosen folder (it ends in "/"); inside the base
// folder in project mode it becomes relative with "/" separators.
BrowsedLocation storeBrowsedFolder(std::string chosen, std::string_view baseFolder, bool projectMode);
// As storeBrowsedFolder, for a chosen file (no trailing separator added).
BrowsedLocation storeBrowsedFile(std::string chosen, std::string_view baseFolder, bool projectMode);

std::string outsideProjectMessage(std::string_view nounPhrase);

// Which controls a page enables for the values its controls show now.
struct HeadingLinksEnabling {
    bool imageFolder;
    bool verticalBars;
    bool headingsRule;
};
HeadingLinksEnabling headingLinksEnabling(int appearance, int placement);

struct GroupHeadingsEnabling {
    bool appearance;
    bool imageFolder;
    bool groupsRule;
    bool separateFiles;
};
GroupHeadingsEnabling groupHeadingsEnabling(bool includeHeadings, int appearance, bool groupsRule, bool separateFiles);

struct EnhancementsEnabling {
    bool includeFolder;
    bool returnText;
    bool returnFolder;
};
EnhancementsEnabling enhancementsEnabling(bool includeTop, bool includeBottom, int returnLink);

} // namespace torvane

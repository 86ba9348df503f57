#pragma once
#include "generate/OutputNames.h"
#include "styles/StyleSettings.h"

#include <functional>
#include <string>
#include <vector>

namespace torvane {

class ProjectRootNode;

// The project file's settings: its style sections and output names.
struct ProjectSettings {
    StyleSettings styles;
    OutputNames names;
    bool operator==(const ProjectSettings&) const = default;
};

// One version of the project file, as this program or another writer left it.
struct ProjectFileVersion {
    std::vector<std::string> lines;
    ProjectSettings settings;
};

// The open project as this program holds it now, and as it last read or
// wrote its file.
struct OpenProject {
    ProjectRootNode& root;
    ProjectSettings& settings;
    const ProjectSettings& settingsAsSaved;
    // Loads pages newly listed (full paths) into the tree.
    std::function<void(const std::vector<std::string>& fullPaths)> loadPages;
};

// Carries into the open project the changes another writer made to its file
// since `base` (`theirs`): settings, pages listed or no longer listed, URLs
// with their entries, cross-references. False, with nothing changed, when
// one of them meets a change made here that it does not combine with.
bool takeOtherWritersChanges(OpenProject& project, const ProjectFileVersion& base, const ProjectFileVersion& theirs);

} // namespace torvane

#pragma once
#include "generate/OutputNames.h"
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

struct AppServices;
class CProjectDoc;
class ProjectRootNode;

// The five file names of a project, each without a folder, all in the
// project directory.
struct ProjectFileNames {
    std::string project {kDefaultProjectFileName};
    OutputNames outputs;

    bool operator==(const ProjectFileNames&) const = default;
};

ProjectFileNames fileNamesOf(const CProjectDoc& document);

inline constexpr std::string_view kPathComponentsError =
    "Please correct the following errors:\n\n  File names may not contain any path components.\n";

// Trims the name and appends `defaultExtension` when it has none. Nothing
// when it carries a drive ("C:") or a folder (either slash).
std::optional<std::string> completeFileName(std::string_view typed, std::string_view defaultExtension);
// Completes all five names in place; the error text when any carries a path
// (the names are then left as typed).
std::optional<std::string> completeFileNames(ProjectFileNames& names);

inline constexpr std::string_view kLineBreakError = "\n  File names may not contain line breaks.\n";

// The errors of completed names that the project cannot take: a line break
// (a project file line would read back as two), or a name under which Make
// Index or the project file would overwrite a page that `project` lists or
// the project file. Worded like the path-components error; nothing when the
// names are fine.
std::optional<std::string> projectNameErrors(const ProjectFileNames& names, const ProjectRootNode& project);

// The names, in the order project file, HTML index, HTML Help, JavaHelp,
// JavaHelp map, that name a file existing in `directory` (ending in "/").
// With `before`, only those that differ from it in more than letter case.
std::vector<std::string> existingFileNames(const std::string& directory, const ProjectFileNames& names,
                                           const ProjectFileNames* before = nullptr);

inline constexpr std::string_view kCancelNameUpdates = "  Cancel\tCancel file name updates\n";
inline constexpr std::string_view kCancelProjectCreation = "  Cancel\tCancel project creation\n";
// The question about overwriting `existing` (not empty); `cancelLine` says
// what Cancel gives up.
std::string overwriteQuestion(const std::vector<std::string>& existing, std::string_view cancelLine);

enum class OverwriteAnswer { Yes, No, Cancel };

// What settling the names needs from the user and the disk.
struct OverwriteGuard {
    std::function<std::vector<std::string>(const ProjectFileNames&)> existing;
    std::function<OverwriteAnswer(const std::string& question)> ask;
    // The names dialog filled with the given names; nothing when cancelled.
    std::function<std::optional<ProjectFileNames>(const ProjectFileNames&)> editNames;
    std::string_view cancelLine;
};

// Asks while `names` would overwrite files: Yes keeps them, No lets the user
// type others (the dialog filled with `refill`, or with the names just
// asked about when there is none), Cancel or a cancelled dialog gives nothing.
std::optional<ProjectFileNames> settleOverwrites(ProjectFileNames names, const OverwriteGuard& guard,
                                                 const std::optional<ProjectFileNames>& refill);

// Writes `text`, the short project file written before the first save, at
// `path`, replacing any file there; a failure is reported to the user and
// gives false.
bool writeProjectFileStub(const std::string& path, const std::string& text, AppServices& services);

} // namespace torvane

#pragma once
#include "shell/cli/Subcommand.h"
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

class CliProject;
class CProjectDoc;
class DocumentView;
class ProjectNode;

// What an edit does to the open project: acts through the document's actions
// and returns true, or tells its refusal on the project's `err` and returns false.
using ProjectEdit = std::function<bool(CliProject& project)>;

// Opens the project named by the first argument, runs `edit` and saves the
// project and its changed pages. A refused edit saves nothing (exit 1), and
// so does a failed save (exit 1); a project that cannot be opened exits 2.
int runEdit(const SubcommandCall& call, const ProjectEdit& edit);

// The listed pages, anchors ("page#name") and URLs named by `texts`, or
// nothing after telling each text that names none of them. Without
// `anchorsAllowed` an anchor is refused too.
std::optional<std::vector<ProjectNode*>> findListedTargets(CliProject& project, const std::vector<std::string>& texts,
                                                           bool anchorsAllowed);

// Selects the places named after the project file (refusing anchors unless
// `anchorsAllowed`) and runs one of the document's selection actions on them.
int runSelectionEdit(const SubcommandCall& call, bool anchorsAllowed, void (CProjectDoc::*action)(DocumentView*));

} // namespace torvane

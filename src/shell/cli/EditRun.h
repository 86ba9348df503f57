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

// Every edit takes the project's lock from its load to its save; another
// writer's lock is waited for this many seconds unless --wait says otherwise.
inline constexpr OptionSpec kWaitOption {"--wait", true, "SECONDS",
                                         "how long to wait for another writer's lock (default 30)"};
inline constexpr int kDefaultWaitSeconds = 30;
inline constexpr char kWaitHelp[] = "\n--wait SECONDS: while another program edits the project (another torvane edit,\n"
                                    "or the desktop program with unsaved changes), wait this long for it to finish\n"
                                    "(default 30; 0 tries once), then give up with a message naming that program\n"
                                    "(exit 1, nothing changed).\n";

// What an edit does to the open project: acts through the document's actions
// and returns true, or tells its refusal on the project's `err` and returns false.
using ProjectEdit = std::function<bool(CliProject& project)>;

// Takes the lock of the project named by the first argument, opens it, runs
// `edit` and saves the project and its changed pages. A refused edit saves
// nothing (exit 1), and so do a failed save and a lock held by another
// writer for the whole wait (exit 1); a project that cannot be opened, or a
// --wait that is not a number of seconds, exits 2.
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

#pragma once
#include "document/TargetLookup.h"
#include "shell/cli/Subcommand.h"
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class CliProject;
class CProjectDoc;
class DocumentView;
class ProjectNode;
struct AppServices;

// Every edit takes the project's lock from its load to its save; another
// writer's lock is waited for this many seconds unless --wait says otherwise.
inline constexpr OptionSpec kWaitOption {"--wait", true, "SECONDS",
                                         "how long to wait for another writer's lock (default 30)"};
inline constexpr int kDefaultWaitSeconds = 30;
inline constexpr char kWaitHelp[] = "\n--wait SECONDS: while another program edits the project (another torvane edit,\n"
                                    "or the desktop program with unsaved changes), wait this long for it to finish\n"
                                    "(default 30; 0 tries once), then give up with a message naming that program\n"
                                    "(exit 1, nothing changed).\n";

// What an edit works with: the open project, a lookup of its places that
// lasts across the edits of a batch, and the streams for its listing and refusals.
class EditContext {
public:
    EditContext(CliProject& project, std::ostream& out, std::ostream& err, std::string_view command);

    CProjectDoc& document();
    AppServices& services();
    // Built on first use, again after placesChanged.
    const TargetLookup& lookup();
    // An edit added or removed pages or URLs.
    void placesChanged() { lookup_.reset(); }

    std::ostream& out() { return *out_; }
    // "torvane NAME: SUBJECT: MESSAGE" where the refusals go.
    void tell(std::string_view subject, std::string_view message);
    // Where the refusals of the next edits go.
    void setErr(std::ostream& err) { err_ = &err; }
    std::ostream& err() { return *err_; }

private:
    std::ostream* out_;
    std::ostream* err_;
    std::string command_;
    CliProject& project_;
    std::optional<TargetLookup> lookup_;
};

// Takes the lock of the project named by the first argument (see
// CliProject::lockForEdit), opens it, runs `edit` and saves the project and
// its changed pages. A refused edit saves nothing (exit 1), and so does a
// failed save (exit 1); a project that cannot be opened exits 2.
int runEdit(const SubcommandCall& call, ProjectEdit edit);

// Ends a batch of edits: nothing is written when any was refused (exit 1)
// or when --dry-run asked for the checks alone; else the project is saved.
int saveUnlessRefused(CliProject& project, const SubcommandCall& call, bool refused);

// The listed pages, anchors ("page#name") and URLs named by `texts`, or
// nothing after telling each text that names none of them. Without
// `anchorsAllowed` an anchor is refused too.
std::optional<std::vector<ProjectNode*>> findListedTargets(EditContext& context, const std::vector<std::string>& texts,
                                                           bool anchorsAllowed);

// Selects the places named after the project file (refusing anchors unless
// `anchorsAllowed`) and runs one of the document's selection actions on them.
bool runSelectionEdit(EditContext& context, const CliArguments& arguments, bool anchorsAllowed,
                      void (CProjectDoc::*action)(DocumentView*));

} // namespace torvane

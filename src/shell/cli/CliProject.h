#pragma once
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include "platform/IniProfile.h"
#include "platform/PosixShellLauncher.h"
#include "shell/cli/CliMessages.h"
#include "shell/cli/CliReportPresenter.h"
#include "shell/cli/Subcommand.h"
#include "shell/cli/TerminalProgress.h"
#include <chrono>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// One project opened for a subcommand, with what the document borrows from
// the application: the user's profile, reports and messages on standard
// error, progress on the terminal.
class CliProject {
public:
    // `quietReports` keeps the load reports off standard error (a check
    // reports those pages itself).
    CliProject(std::ostream& err, bool showProgress, bool quietReports = false, std::string_view command = {});
    explicit CliProject(const SubcommandCall& call, bool quietReports = false)
        : CliProject(call.err, call.showProgress, quietReports, call.name)
    {
    }
    CliProject(const CliProject&) = delete;
    CliProject& operator=(const CliProject&) = delete;

    // Takes the lock of the project at `path` for the subcommand, waiting as
    // long as its --wait says. The exit status when it cannot go on: a
    // --wait that is no number of seconds (2), another writer holding the
    // lock throughout (1, told with who holds it).
    std::optional<int> lockForEdit(const SubcommandCall& call, const std::string& path);
    // False when the project file cannot be read (its file error is reported).
    bool open(const std::string& path);
    // Writes the project file and the changed pages; false when any failed.
    bool save();

    CProjectDoc& document() { return *document_; }
    AppServices& services() { return services_; }
    std::ostream& err() { return err_; }
    // "torvane NAME: SUBJECT: MESSAGE" on standard error.
    void tell(std::string_view subject, std::string_view message) { tellProblem(err_, command_, subject, message); }
    // Tells that the project file at `path` cannot be opened; the exit status for it.
    int refuseOpen(const std::string& path) const;

private:
    std::ostream& err_;
    std::string command_;
    IniProfile profile_;
    FileReports reports_;
    CliReportPresenter presenter_;
    CliMessageSink messages_;
    TerminalProgress progress_;
    PosixShellLauncher shell_;
    AppServices services_;
    std::unique_ptr<CProjectDoc> document_;
};

// Tells that the project cannot be opened; returns the exit status for it.
int refuseProject(std::ostream& err, const std::string& path, std::string_view command = {});

} // namespace torvane

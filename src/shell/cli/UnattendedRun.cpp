#include "shell/cli/UnattendedRun.h"
#include "document/CProjectDoc.h"
#include "platform/AppOptions.h"
#include "platform/AppServices.h"
#include "platform/ConsoleOutput.h"
#include "platform/IniProfile.h"
#include "platform/PosixShellLauncher.h"
#include "shell/cli/ProjectIndex.h"
#include <filesystem>

namespace torvane {

int runUnattendedMakeIndex(const std::string& projectPath, std::ostream& err)
{
    IniProfile profile(defaultProfilePath());
    FileReports reports;
    StderrReportPresenter presenter(err);
    StderrMessageSink messages(err);
    QuietProgress progress;
    PosixShellLauncher shell;  // never used: the unattended run opens nothing
    std::vector<std::string> extensions = parseValidExtensions(
        profile.readString(kOptionsSection, kValidExtensionsKey, kDefaultValidExtensions));
    AppServices services{profile, reports, presenter, messages, progress, shell, std::move(extensions)};

    std::error_code ignored;
    std::filesystem::path fullPath = std::filesystem::absolute(projectPath, ignored);
    CProjectDoc document(services);
    if (!document.openProject(fullPath.lexically_normal().string())) return 1;
    return makeProjectIndex(document, services, false) ? 0 : 1;
}

} // namespace torvane

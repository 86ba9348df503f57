#include "shell/desktop/Desktop.h"
#include "platform/AppOptions.h"
#include "platform/AppServices.h"
#include "platform/FileReports.h"
#include "platform/IniProfile.h"
#include "platform/PosixShellLauncher.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/DesktopStart.h"
#include "shell/desktop/DesktopHooks.h"
#include "shell/desktop/FreedMemory.h"
#include "ui/common/Icons.h"
#include "ui/common/QtProgress.h"
#include "ui/common/QtMessageSink.h"
#include "ui/common/QtReportPresenter.h"
#include "ui/frame/TutorialPromptDialog.h"
#include "ui/help/DialogHelpKey.h"
#include "ui/help/GuideHelp.h"
#include "ui/help/GuideViewer.h"
#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

int runDesktop(int argc, char** argv)
{
    // The toolkit aborts without a display; this says so and exits instead.
    if (const std::optional<int> refused = refuseWithoutDisplay(std::cerr))
        return *refused;
    coalesceFreedBlocksAtOnce();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Torvane");
    QApplication::setApplicationVersion(TORVANE_VERSION);
    QApplication::setWindowIcon(applicationIcon());

    IniProfile profile(defaultProfilePath());
    FileReports reports;
    QtReportPresenter presenter;
    QtMessageSink messages;
    QtProgress progress;
    PosixShellLauncher shell;
    AppServices services {profile, reports, presenter, messages, progress, shell, normaliseValidExtensions(profile)};
    const CProjectWnd::Hooks projectHooks = projectCommandHooks(services);
    const GuideViewer guide(programGuideFolder(), shell, profile);
    FrameHooks hooks = frameHooks(services, projectHooks);
    installGuideHooks(hooks, guide, profile);
    DialogHelpKey dialogHelp(guide);
    app.installEventFilter(&dialogHelp);

    CMainFrame frame(profile, std::move(hooks));
    presenter.setParent(&frame);
    messages.setParent(&frame);
    progress.setParent(&frame);
    frame.showWithStoredPlacement();

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine command = parseCommandLine(arguments);
    if (!command.projectPath.empty() && !frame.openProjectFile(command.projectPath))
        return 1;
    offerTutorialAtStartUp(profile, tutorialOpener(guide, profile), &frame);
    return QApplication::exec();
}

} // namespace torvane

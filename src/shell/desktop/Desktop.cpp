#include "shell/desktop/Desktop.h"
#include "document/CProjectDoc.h"
#include "platform/AppOptions.h"
#include "platform/AppServices.h"
#include "platform/FileReports.h"
#include "platform/IniProfile.h"
#include "platform/PosixShellLauncher.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/ProjectIndex.h"
#include "ui/CMainFrame.h"
#include "ui/CProjectWnd.h"
#include "ui/CommandIds.h"
#include "ui/HtmlToolsDialog.h"
#include "ui/Icons.h"
#include "ui/ProgressDialog.h"
#include "ui/QtMessageSink.h"
#include "ui/ReportDialog.h"
#include <QApplication>
#include <memory>
#include <string>
#include <vector>

namespace torvane {

namespace {

CProjectWnd::CommandHooks projectCommandHooks(AppServices& services)
{
    CProjectWnd::CommandHooks hooks;
    hooks[CmdMakeIndex] = [&services](CProjectWnd& window) {
        makeProjectIndex(window.document(), services, true);
    };
    return hooks;
}

} // namespace

int runDesktop(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Torvane");
    QApplication::setWindowIcon(applicationIcon());

    IniProfile profile(defaultProfilePath());
    FileReports reports;
    QtReportPresenter presenter;
    QtMessageSink messages;
    QtProgress progress;
    PosixShellLauncher shell;
    AppServices services{profile, reports, presenter, messages, progress, shell, normaliseValidExtensions(profile)};
    const CProjectWnd::CommandHooks projectHooks = projectCommandHooks(services);

    FrameHooks hooks;
    hooks.htmlTools = [&profile, &messages](QWidget* parent) {
        HtmlToolsDialog dialog(profile, messages, parent);
        dialog.exec();
    };
    hooks.openProject = [&services, &projectHooks](const std::string& path) -> QWidget* {
        auto document = std::make_unique<CProjectDoc>(services);
        if (!document->openProject(path))
            return nullptr;
        return new CProjectWnd(std::move(document), services, projectHooks);
    };
    CMainFrame frame(profile, hooks);
    presenter.setParent(&frame);
    messages.setParent(&frame);
    progress.setParent(&frame);
    frame.showWithStoredPlacement();

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine command = parseCommandLine(arguments);
    if (!command.projectPath.empty() && !frame.openProjectFile(command.projectPath))
        return 1;
    return QApplication::exec();
}

} // namespace torvane

#include "ui/frame/FileDialogHooks.h"
#include "platform/AppServices.h"
#include "ui/frame/AboutDialog.h"
#include "ui/commands/CommandIds.h"
#include "ui/filenames/FilenamesDialogCommand.h"
#include "ui/frame/NewProject.h"
#include <QCoreApplication>

namespace torvane {

void installFilenamesHook(CProjectWnd::Hooks& hooks, AppServices& services)
{
    hooks.commands[CmdFilenames] = [&services](CProjectWnd& window) { runSetFilenames(window, services); };
}

void installFileDialogFrameHooks(FrameHooks& hooks, AppServices& services)
{
    hooks.newProject = [&services](QWidget* parent) {
        auto* frame = qobject_cast<CMainFrame*>(parent ? parent->window() : nullptr);
        if (!frame)
            return;
        if (std::optional<std::string> folder = chooseProjectFolder(frame))
            createNewProject(*frame, services, *folder);
    };
    hooks.about = [](QWidget* parent) {
        AboutDialog dialog(QCoreApplication::applicationVersion().toStdString(), parent);
        dialog.exec();
    };
}

} // namespace torvane

#include "ui/frame/FileDialogHooks.h"
#include "ui/frame/CMainFrame.h"
#include "platform/AppServices.h"
#include "ui/frame/AboutDialog.h"
#include "ui/frame/NewProject.h"
#include <QCoreApplication>

namespace torvane {

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

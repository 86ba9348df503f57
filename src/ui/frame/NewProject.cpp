#include "ui/frame/NewProject.h"
#include "document/ProjectFileWriter.h"
#include "platform/AppServices.h"
#include "ui/frame/CMainFrame.h"
#include "ui/commands/CommandIds.h"
#include "ui/filenames/FilenamesDialog.h"
#include "ui/commands/ProjectCommands.h"
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <filesystem>

namespace torvane {

namespace {

// A window still open on the file being replaced would be brought forward in
// place of the new project, so it is closed first (asking to save as usual).
// False when the user keeps it open.
bool closeWindowOf(CMainFrame& frame, const std::string& path)
{
    for (QMdiSubWindow* window : frame.mdiArea()->subWindowList()) {
        auto* project = dynamic_cast<ProjectCommands*>(window->widget());
        std::error_code failed;
        if (project && std::filesystem::equivalent(project->projectPath(), path, failed))
            return window->close();
    }
    return true;
}

} // namespace

std::optional<std::string> chooseProjectFolder(QWidget* parent)
{
    QFileDialog dialog(parent, "Select Project Directory");
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

bool createNewProject(CMainFrame& frame, AppServices& services, std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    const OverwriteGuard guard {
        [&](const ProjectFileNames& names) { return existingFileNames(folder, names); },
        [&](const std::string& question) { return askOverwrite(question, &frame); },
        [&](const ProjectFileNames& initial) { return runFilenamesDialog(initial, services.messages, &frame); },
        kCancelProjectCreation,
    };
    const std::optional<ProjectFileNames> names = settleOverwrites(ProjectFileNames {}, guard, std::nullopt);
    if (!names)
        return false;
    // Written fresh, the file holds no style sections: the project opens with
    // the default styles, whatever a replaced file of that name held.
    const std::string path = folder + names->project;
    if (!closeWindowOf(frame, path) || !writeProjectFileStub(path, versionThreeProjectFile(names->outputs), services) ||
        !frame.openProjectFile(path))
        return false;
    if (frame.isCommandEnabled(CmdAddFiles))
        frame.runCommand(CmdAddFiles);
    return true;
}

} // namespace torvane

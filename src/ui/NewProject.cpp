#include "ui/NewProject.h"
#include "platform/AppServices.h"
#include "ui/CMainFrame.h"
#include "ui/CommandIds.h"
#include "ui/FilenamesDialog.h"
#include <QFileDialog>

namespace torvane {

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
    const OverwriteGuard guard{
        [&](const ProjectFileNames& names) { return existingFileNames(folder, names); },
        [&](const std::string& question) { return askOverwrite(question, &frame); },
        [&](const ProjectFileNames& initial) { return runFilenamesDialog(initial, services.messages, &frame); },
        kCancelProjectCreation,
    };
    const std::optional<ProjectFileNames> names = settleOverwrites(ProjectFileNames{}, guard, std::nullopt);
    if (!names)
        return false;
    // Written fresh, the file holds no style sections: the project opens with
    // the default styles, whatever a replaced file of that name held.
    const std::string path = folder + names->project;
    if (!writeProjectFileStub(path, "3.0", names->outputs(), services) || !frame.openProjectFile(path))
        return false;
    if (frame.isCommandEnabled(CmdAddFiles))
        frame.runCommand(CmdAddFiles);
    return true;
}

} // namespace torvane

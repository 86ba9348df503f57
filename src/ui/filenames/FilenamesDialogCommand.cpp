#include "ui/filenames/FilenamesDialogCommand.h"
#include "document/ProjectFileWriter.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include "platform/TextUtil.h"
#include "ui/frame/CMainFrame.h"
#include "ui/project/CProjectWnd.h"
#include "ui/filenames/FilenamesDialog.h"

namespace torvane {

void runSetFilenames(CProjectWnd& window, AppServices& services)
{
    CProjectDoc& document = window.document();
    const ProjectFileNames before = fileNamesOf(document);
    const std::string directory = document.projectDirectory();
    auto editNames = [&](const ProjectFileNames& initial) {
        return runFilenamesDialog(initial, services.messages, &window, &document.root());
    };
    std::optional<ProjectFileNames> typed = editNames(before);
    if (!typed)
        return;
    const OverwriteGuard guard {
        [&](const ProjectFileNames& names) { return existingFileNames(directory, names, &before); },
        [&](const std::string& question) { return askOverwrite(question, &window); },
        editNames,
        kCancelNameUpdates,
    };
    const std::optional<ProjectFileNames> names = settleOverwrites(std::move(*typed), guard, before);
    if (!names)
        return;
    // Renamed, the project must exist on disk at once under its new name. When
    // that fails the project keeps its old names, so it still has a file.
    if (asciiLower(names->project) != asciiLower(before.project) &&
        !writeProjectFileStub(directory + names->project, renamedProjectStub(names->outputs), services))
        return;
    document.setFileNames(names->project, names->outputs);
    window.showTitle();
    // The frame records a project it brings forward among the recent files.
    if (auto* frame = qobject_cast<CMainFrame*>(window.window()))
        frame->openProjectFile(document.pathName());
}

} // namespace torvane

#include "ui/addfiles/AddDialogHooks.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include "ui/addfiles/AddFilesDialog.h"
#include "ui/addfiles/AddUrlsDialog.h"
#include "ui/project/CProjectTree.h"
#include "ui/commands/CommandIds.h"

namespace torvane {

void installAddDialogHooks(CProjectWnd::Hooks& hooks, AppServices& services)
{
    // The dialogs live inside the tree view, which lives inside the window,
    // so the window outlasts every call they make.
    hooks.modelessDialogs[CmdAddFiles] = [&services](CProjectWnd& window) -> QWidget* {
        return new AddFilesDialog(
            window.document().projectDirectory(), services.validExtensions,
            [&window](const std::vector<std::string>& paths) { window.document().addFiles(paths, window.treeView()); });
    };
    hooks.modelessDialogs[CmdAddExternalUrls] = [](CProjectWnd& window) -> QWidget* {
        return new AddUrlsDialog(
            [&window](const std::string& url) { window.document().addExternalUrl(url, window.treeView()); });
    };
}

} // namespace torvane

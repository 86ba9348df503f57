#include "shell/desktop/DesktopHooks.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include "shell/cli/ProjectIndex.h"
#include "ui/addfiles/AddDialogHooks.h"
#include "ui/check/CheckIndexHook.h"
#include "ui/crossrefs/CrossReferenceHooks.h"
#include "ui/entries/EntryDialogHooks.h"
#include "ui/filenames/FilenamesHook.h"
#include "ui/frame/FileDialogHooks.h"
#include "ui/stylesheet/StyleSheetHooks.h"
#include "ui/commands/CommandIds.h"
#include "ui/htmltools/HtmlToolsDialog.h"
#include <memory>

namespace torvane {

CProjectWnd::Hooks projectCommandHooks(AppServices& services)
{
    CProjectWnd::Hooks hooks;
    hooks.commands[CmdMakeIndex] = [&services](CProjectWnd& window) {
        makeProjectIndex(window.document(), services, true);
    };
    installAddDialogHooks(hooks, services);
    installEntryDialogHooks(hooks, services);
    installCrossReferenceHooks(hooks, services);
    installFilenamesHook(hooks, services);
    installCheckIndexHook(hooks);
    installProjectStyleSheetHook(hooks, services);
    return hooks;
}

FrameHooks frameHooks(AppServices& services, const CProjectWnd::Hooks& projectHooks)
{
    FrameHooks hooks;
    hooks.openProject = [&services, &projectHooks](const std::string& path) -> QWidget* {
        auto document = std::make_unique<CProjectDoc>(services);
        if (!document->openProject(path))
            return nullptr;
        return new CProjectWnd(std::move(document), services, projectHooks);
    };
    hooks.htmlTools = [&services](QWidget* parent) {
        HtmlToolsDialog dialog(services.profile, services.messages, parent);
        dialog.exec();
    };
    installFileDialogFrameHooks(hooks, services);
    installDefaultStyleSheetHook(hooks, services);
    return hooks;
}

} // namespace torvane

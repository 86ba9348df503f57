#include "ui/crossrefs/CrossReferenceHooks.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include "ui/commands/CommandIds.h"
#include "ui/crossrefs/XrefDialog.h"

namespace torvane {

void installCrossReferenceHooks(CProjectWnd::Hooks& hooks, AppServices& services)
{
    hooks.modelessDialogs[CmdCreateCrossReference] = [&services](CProjectWnd& window) -> QWidget* {
        // The tree owns the dialog, so the window outlives every Add.
        CProjectWnd* owner = &window;
        return new XrefDialog(services.messages, [owner](const CrossReferenceValues& values) {
            owner->document().createCrossReference(values, owner->treeView());
        });
    };
    hooks.commands[CmdEditCrossReference] = [&services](CProjectWnd& window) {
        if (window.listView()->counts().selectedCrossRefCount != 1)
            return;
        const std::vector<CrossReference*> selected = window.document().listSelectedCrossReferences();
        if (selected.empty())
            return;
        window.document().editCrossReference(
            *selected.front(),
            [&services, &window](const CrossReferenceValues& initial) {
                return editCrossReferenceValues(initial, services.messages, &window);
            },
            window.listView());
    };
}

} // namespace torvane

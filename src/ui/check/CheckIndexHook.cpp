#include "ui/check/CheckIndexHook.h"
#include "document/CProjectDoc.h"
#include "document/FindingFilter.h"
#include "document/IndexCheck.h"
#include "ui/check/CheckIndexDialog.h"
#include "ui/commands/CommandIds.h"
#include "ui/common/QtText.h"
#include "ui/project/CProjectTree.h"

namespace torvane {

void showFindingInTree(CProjectWnd& window, const IndexFinding& finding)
{
    ProjectRootNode& root = window.document().root();
    ProjectNode* node = findingNode(root, finding);
    if (!node)
        return;
    for (ProjectNode* up = node->parent(); up; up = up->parent())
        up->setExpanded(true);
    root.applyTreeSelection(*node, false, false);
    window.document().updateAllViews(HintTreeClick, window.treeView());
}

void ignoreFinding(CProjectDoc& document, const IndexFinding& finding, std::string reason)
{
    StyleSettings styles = document.styles();
    styles.extensions.check.suppressions.push_back(suppressionOf(finding, std::move(reason)));
    document.setStyles(styles);
}

void installCheckIndexHook(CProjectWnd::Hooks& hooks)
{
    hooks.commands[CmdCheckIndex] = [](CProjectWnd& window) {
        if (auto* open = window.findChild<CheckIndexDialog*>()) {
            open->refresh();
            open->raise();
            open->activateWindow();
            return;
        }
        CProjectWnd* owner = &window;
        auto* dialog =
            new CheckIndexDialog([owner] { return checkIndex(owner->document()); },
                                 [owner](const IndexFinding& finding) { showFindingInTree(*owner, finding); },
                                 [owner](const IndexFinding& finding, std::string reason) {
                                     ignoreFinding(owner->document(), finding, std::move(reason));
                                 },
                                 fromBytes(window.document().title()), &window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    };
}

} // namespace torvane

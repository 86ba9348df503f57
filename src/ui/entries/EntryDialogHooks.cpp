#include "ui/entries/EntryDialogHooks.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include "ui/commands/CommandIds.h"
#include "ui/entries/EntryDialog.h"

namespace torvane {

void installEntryDialogHooks(CProjectWnd::Hooks& hooks, AppServices& services)
{
    hooks.modelessDialogs[CmdAddIndexEntry] = [&services](CProjectWnd& window) -> QWidget* {
        CProjectDoc& document = window.document();
        auto* dialog = new EntryDialog(EntryDialogMode::Add, OutputFlags::of(document.styles()), blankEntryValues(),
                                       services.messages);
        CProjectTree* tree = window.treeView();
        dialog->setAddHandler(
            [&document, tree](const IndexEntryValues& values) { document.addIndexEntry(values, tree); });
        return dialog;
    };
    hooks.commands[CmdEditIndexEntries] = [&services](CProjectWnd& window) {
        CProjectDoc& document = window.document();
        const OutputFlags outputs = OutputFlags::of(document.styles());
        const IndexEntryDialog edit = [&](const IndexEntryValues& initial) -> std::optional<IndexEntryValues> {
            EntryDialog dialog(EntryDialogMode::Edit, outputs, initial, services.messages, &window);
            if (dialog.exec() != QDialog::Accepted)
                return std::nullopt;
            return dialog.values();
        };
        document.editIndexEntries(document.listSelectedEntries(), edit, window.listView());
    };
}

} // namespace torvane

#include "ui/stylesheet/StyleSheetHooks.h"
#include "document/CProjectDoc.h"
#include "platform/AppServices.h"
#include "ui/commands/CommandIds.h"
#include "ui/stylesheet/CIndexStyleDlg.h"
#include <QCoreApplication>

namespace torvane {

void installProjectStyleSheetHook(CProjectWnd::Hooks& hooks, AppServices& services)
{
    hooks.commands[CmdProjectStyleSettings] = [&services](CProjectWnd& window) {
        CProjectDoc& document = window.document();
        CIndexStyleDlg sheet(document.styles(), {true, document.projectDirectory(), services.messages}, &window);
        if (sheet.exec() != QDialog::Accepted)
            return;
        document.setStyles(sheet.settings());
        // The output types decide whether Make Index can run.
        emit window.refreshed();
    };
}

void installDefaultStyleSheetHook(FrameHooks& frame, AppServices& services)
{
    frame.defaultStyleSettings = [&services](QWidget* parent) {
        const std::string programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
        CIndexStyleDlg sheet(loadDefaults(services.profile), {false, programFolder, services.messages}, parent);
        if (sheet.exec() == QDialog::Accepted)
            saveDefaults(services.profile, sheet.settings());
    };
}

} // namespace torvane

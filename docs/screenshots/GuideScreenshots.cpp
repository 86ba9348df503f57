// Renews the guide's pictures of the program: opens the windows and dialogs
// of the real program on a copy of the example project (offscreen) and saves
// each as a PNG. Run through scripts/guide-screenshots.sh.
#include "platform/AppOptions.h"
#include "platform/AppServices.h"
#include "platform/FileReports.h"
#include "platform/IniProfile.h"
#include "platform/PosixShellLauncher.h"
#include "shell/desktop/DesktopHooks.h"
#include "ui/addfiles/AddFilesDialog.h"
#include "ui/addfiles/AddFilesTree.h"
#include "ui/addfiles/AddUrlsDialog.h"
#include "ui/frame/CMainFrame.h"
#include "ui/project/CProjectWnd.h"
#include "ui/commands/CommandIds.h"
#include "ui/crossrefs/XrefDialog.h"
#include "document/CrossReferenceRules.h"
#include "ui/filenames/FilenamesDialog.h"
#include "ui/htmltools/HtmlToolsDialog.h"
#include "ui/entries/EntryDialog.h"
#include "ui/entries/EntryTargetsDialog.h"
#include "ui/common/QtProgress.h"
#include "ui/common/QtMessageSink.h"
#include "ui/common/ReportDialog.h"
#include "ui/common/QtReportPresenter.h"
#include "ui/stylesheet/CIndexStyleDlg.h"
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <filesystem>
#include <iostream>

namespace torvane {
namespace {

namespace fs = std::filesystem;

class NoMessages final : public MessageSink {
public:
    void showMessage(std::string_view) override {}
    bool askYesNo(std::string_view, bool answer) override { return answer; }
};

void save(QWidget& widget, const fs::path& folder, const char* name)
{
    widget.show();
    QApplication::processEvents();
    const fs::path file = folder / (std::string(name) + ".png");
    if (!widget.grab().save(QString::fromStdString(file.string())))
        std::cerr << "cannot write " << file << "\n";
    widget.hide();
}

int run(const fs::path& example, const fs::path& out)
{
    const fs::path work = fs::temp_directory_path() / "torvane-guide-screenshots";
    fs::remove_all(work);
    fs::create_directories(work);
    fs::copy(example, work / "manual", fs::copy_options::recursive);
    fs::create_directories(out);
    const std::string folder = (work / "manual").string() + "/";

    IniProfile profile((work / "Torvane.ini").string());
    FileReports reports;
    QtReportPresenter presenter;
    NoMessages messages;
    QtProgress progress;
    PosixShellLauncher shell;
    AppServices services {profile, reports, presenter, messages, progress, shell, normaliseValidExtensions(profile)};

    const CProjectWnd::Hooks projectHooks = projectCommandHooks(services);
    CMainFrame frame(profile, frameHooks(services, projectHooks));
    frame.resize(900, 560);
    frame.show();
    if (!frame.openProjectFile(folder + "Manual.ipj"))
        return 1;
    frame.runCommand(CmdExpandAll);
    QApplication::processEvents();
    // Select one page so that the list shows its entries and its anchors'.
    for (auto* tree : frame.findChildren<QTreeWidget*>()) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->text(0) != "tags.htm")
                continue;
            tree->scrollToItem(*it);
            QApplication::processEvents();
            const QRect rect = tree->visualItemRect(*it);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 30, rect.center().y()));
            break;
        }
    }
    if (auto* window = frame.findChild<CProjectWnd*>())
        window->flushRefresh();
    save(frame, out, "project-window");
    frame.show();

    AddFilesDialog addFiles(folder, services.validExtensions, [](const std::vector<std::string>&) {});
    addFiles.show();
    QApplication::processEvents();
    // Open the top two levels as a user would, one expansion at a time.
    for (int depth = 0; depth < 2; ++depth) {
        std::vector<QTreeWidgetItem*> shown;
        for (QTreeWidgetItemIterator it(addFiles.tree()); *it; ++it)
            if (!(*it)->isExpanded() && (*it)->childIndicatorPolicy() != QTreeWidgetItem::DontShowIndicator)
                shown.push_back(*it);
        for (QTreeWidgetItem* item : shown)
            if (item->parent() == nullptr || item->parent()->isExpanded())
                addFiles.tree()->expandItem(item);
        QApplication::processEvents();
    }
    save(addFiles, out, "add-files");
    AddUrlsDialog addUrls([](const std::string&) {});
    save(addUrls, out, "add-urls");

    IndexEntryValues entry;
    entry.indexAs = "notes, editing";
    entry.helpAs = entry.indexAs;
    entry.sortAs = entry.indexAs;
    entry.helpTitle = "Editing notes";
    EntryDialog addEntry(EntryDialogMode::Add, OutputFlags {}, entry, messages);
    save(addEntry, out, "add-index-entry");
    EntryTargetsDialog targets(entry, OutputFlags {}, messages);
    save(targets, out, "set-targets");

    XrefDialog addXref(messages, [](const CrossReferenceValues&) {});
    addXref.show();
    QTest::keyClicks(addXref.field(FieldHeading), "labels");
    QTest::keyClicks(addXref.field(FieldLocator), "tags");
    save(addXref, out, "create-cross-reference");

    FilenamesDialog filenames(ProjectFileNames {"Manual.ipj", "Manual.htm", "Manual.hhk", "Manual.xml", "Manual.jhm"},
                              messages);
    save(filenames, out, "set-filenames");
    HtmlToolsDialog tools(profile, messages);
    save(tools, out, "html-tools");

    // The example's style sheet, so that the CSS page lets the last page be shown.
    StyleSettings styleSettings;
    styleSettings.stylesheetPath = "styles/index.css";
    CIndexStyleDlg styles(styleSettings, StyleSheetEnvironment {true, folder, messages});
    styles.setWindowTitle("Project Style Settings");
    const char* pages[] = {"style-links-to-headings", "style-group-headings", "style-layout",
                           "style-enhanced-content",  "style-index-types",    "style-css",
                           "style-language-and-page"};
    for (int page = 0; page < static_cast<int>(std::size(pages)); ++page) {
        styles.tabs()->setCurrentIndex(page);
        save(styles, out, pages[page]);
    }

    ReportDialog report("Report File Errors", QString::fromUtf8(kFileErrorsHeading.data(), kFileErrorsHeading.size()),
                        QString::fromStdString("Open Input, " + folder +
                                               "guide/old-page.htm, *** File Not Found *** ,Cause=2, OS Error=2\r\n"));
    save(report, out, "report-file-errors");
    fs::remove_all(work);
    return 0;
}

} // namespace
} // namespace torvane

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: guide_screenshots EXAMPLE-FOLDER OUTPUT-FOLDER\n";
        return 2;
    }
    QApplication app(argc, argv);
    return torvane::run(argv[1], argv[2]);
}

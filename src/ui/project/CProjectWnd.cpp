#include "ui/project/CProjectWnd.h"
#include "model/ProjectRootNode.h"
#include "platform/AppServices.h"
#include "platform/FileAccess.h"
#include "platform/ProjectLock.h"
#include "platform/PosixShellLauncher.h"
#include "styles/StyleSettings.h"
#include "ui/addfiles/DroppedPages.h"
#include "ui/project/CProjectList.h"
#include "ui/project/CProjectTree.h"
#include "ui/commands/CommandIds.h"
#include "ui/commands/CommandRegistry.h"
#include "ui/commands/CommandTable.h"
#include "ui/common/QtMessageSink.h"
#include "ui/common/QtText.h"
#include "ui/htmltools/OpenFiles.h"
#include "document/CProjectDoc.h"
#include "document/ProjectAction.h"
#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>

namespace torvane {

namespace {

// Who holds the lock, for a command-line edit that waits for it.
constexpr char kDesktopProgram[] = "torvane-desktop";
constexpr std::string_view kCombinedAtSave =
    "Your changes are combined with the other program's when you save; where both changed the same anchor or "
    "URL, that file is left as the other program wrote it and the save says so.";

} // namespace

CProjectWnd::CProjectWnd(std::unique_ptr<CProjectDoc> document, AppServices& services, Hooks hooks, QWidget* parent)
    : QWidget(parent)
    , document_(std::move(document))
    , services_(services)
    , hooks_(std::move(hooks))
    , splitter_(new QSplitter(Qt::Horizontal))
    , tree_(new CProjectTree(*this))
    , list_(new CProjectList(*this))
    , activeView_(tree_)
    , hintOrigin_(tree_)
{
    showTitle();
    splitter_->addWidget(tree_);
    splitter_->addWidget(listPane());
    splitter_->setChildrenCollapsible(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);

    document_->addView(*this);
    ProjectRootNode& root = document_->root();
    root.setSelected(true);
    root.setCurrentNode(&root);
    root.setCurrentListRow(-1);
    refresh(HintNone, tree_);
    splitterReady_ = true;
    setAcceptDrops(true);
}

CProjectWnd::~CProjectWnd()
{
    document_->removeView(*this);
    // The views point into the document's tree: they go first.
    delete splitter_;
}

QWidget* CProjectWnd::listPane()
{
    filterBox_ = new QLineEdit;
    filterBox_->setPlaceholderText(tr("Filter entries"));
    filterBox_->setClearButtonEnabled(true);
    // The rows narrow as one types; the command states follow the rows shown.
    connect(filterBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        list_->setFilter(text.toStdString());
        emit refreshed();
    });
    // Ctrl+F goes to the filter from anywhere in the window; Esc there clears it.
    auto* find = new QShortcut(QKeySequence::Find, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        filterBox_->setFocus(Qt::ShortcutFocusReason);
        filterBox_->selectAll();
    });
    auto* clear = new QShortcut(QKeySequence(Qt::Key_Escape), filterBox_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(clear, &QShortcut::activated, filterBox_, &QLineEdit::clear);
    auto* pane = new QWidget;
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(filterBox_);
    column->addWidget(list_);
    return pane;
}

void CProjectWnd::documentChanging(CProjectDoc&)
{
    list_->dropRecords();
}

void CProjectWnd::documentChanged(CProjectDoc&, int hint, DocumentView* origin)
{
    tree_->dropReleasedItems();
    QWidget* view = activeView_;
    if (origin == tree_)
        view = tree_;
    else if (origin == list_)
        view = list_;
    requestRefresh(hint, view);
}

void CProjectWnd::requestRefresh(int hint, QWidget* origin)
{
    hintOrigin_ = origin;
    pending_.push_back({hint, origin});
    QTimer::singleShot(0, this, [this] { flushRefresh(); });
}

void CProjectWnd::flushRefresh()
{
    while (!pending_.empty()) {
        const PendingRefresh next = pending_.front();
        pending_.pop_front();
        refresh(next.hint, next.origin);
    }
}

void CProjectWnd::refresh(int hint, QWidget* origin)
{
    activeView_ = origin;
    hintOrigin_ = origin;
    tree_->updateView(hint);
    list_->updateView(hint);
    if (isVisible())
        origin->setFocus(Qt::OtherFocusReason);
    returnFocusToDialog(hint);
    list_->viewport()->update();
    showTitle();
    emit refreshed();
}

void CProjectWnd::viewActivated(QWidget* view)
{
    if (view == hintOrigin_)
        return;
    if (view == tree_)
        document_->updateAllViews(document_->updateHint(), tree_);
    else if (view == list_)
        document_->updateAllViews(document_->updateHint(), list_);
}

void CProjectWnd::returnFocusToDialog(int hint)
{
    // After an add the user goes on adding in the dialog that is still open.
    int command = CmdNone;
    switch (hint) {
    case HintFilesAdded:
        command = CmdAddFiles;
        break;
    case HintUrlAdded:
        command = CmdAddExternalUrls;
        break;
    case HintEntryAdded:
        command = CmdAddIndexEntry;
        break;
    case HintCrossReferenceCreated:
        command = CmdCreateCrossReference;
        break;
    default:
        return;
    }
    if (QWidget* dialog = tree_->modelessDialog(command)) {
        dialog->raise();
        dialog->activateWindow();
    }
}

DocumentView* CProjectWnd::activeViewAsOrigin() const
{
    if (activeView_ == list_)
        return list_;
    return tree_;
}

void CProjectWnd::scrollTreeToTop()
{
    tree_->verticalScrollBar()->setValue(tree_->verticalScrollBar()->minimum());
}

void CProjectWnd::focusOtherPane()
{
    if (activeView_ == tree_)
        document_->updateAllViews(HintFocusMoved, list_);
    else
        document_->updateAllViews(HintFocusMoved, tree_);
}

CommandState CProjectWnd::commandState() const
{
    CommandState state;
    state.projectOpen = true;
    state.removableCount = tree_->removableCount();
    state.selectedFileCount = tree_->selectedFileCount();
    state.targetCount = tree_->targetCount();
    const ListCounts& counts = list_->counts();
    state.selectedEntryCount = counts.selectedEntryCount;
    state.allSelectedEqual = counts.allSelectedEqual;
    state.selectedDefaultCount = counts.selectedDefaultCount;
    state.selectedCrossRefCount = counts.selectedCrossRefCount;
    state.addFilesOpen = tree_->modelessDialog(CmdAddFiles) != nullptr;
    state.addUrlsOpen = tree_->modelessDialog(CmdAddExternalUrls) != nullptr;
    state.addEntryOpen = tree_->modelessDialog(CmdAddIndexEntry) != nullptr;
    state.crossRefOpen = tree_->modelessDialog(CmdCreateCrossReference) != nullptr;
    state.undoAvailable = document_->undoCode().has_value();
    state.redoAvailable = document_->redoCode().has_value();
    const StyleSettings& styles = document_->styles();
    state.anyOutputOn = styles.htmlIndex != 0 || styles.htmlHelp != 0 || styles.javaHelp != 0;
    return state;
}

namespace {

std::optional<std::string> nameOf(std::optional<int> code)
{
    if (!code)
        return std::nullopt;
    return actionName(*code);
}

} // namespace

std::optional<std::string> CProjectWnd::undoActionName() const
{
    return nameOf(document_->undoCode());
}

std::optional<std::string> CProjectWnd::redoActionName() const
{
    return nameOf(document_->redoCode());
}

bool CProjectWnd::canRun(int id) const
{
    if (document_->isAddingFiles())
        return false;
    switch (id) {
    case CmdAddFiles:
    case CmdAddExternalUrls:
    case CmdAddIndexEntry:
    case CmdEditIndexEntries:
    case CmdCreateCrossReference:
    case CmdEditCrossReference:
    case CmdProjectStyleSettings:
    case CmdFilenames:
    case CmdMakeIndex:
    case CmdCheckIndex:
        return hooks_.commands.count(id) > 0 || hooks_.modelessDialogs.count(id) > 0;
    default:
        return true;
    }
}

bool CProjectWnd::isEnabled(int id) const
{
    return torvane::isCommandEnabled(id, commandState()) && canRun(id);
}

void CProjectWnd::showTitle()
{
    setWindowTitle(fromBytes(document_->title()) + "[*]");
    setWindowModified(document_->isModified());
    holdLockWhileModified();
    emit titleShown();
}

void CProjectWnd::holdLockWhileModified()
{
    CProjectDoc& document = *document_;
    if (!document.isModified()) {
        document.releaseLock();
        lockRefusalTold_ = false;
        return;
    }
    if (document.holdsLock() ||
        document.lockProject(kDesktopProgram, std::chrono::milliseconds(0)) != ProjectLock::Outcome::Busy ||
        lockRefusalTold_)
        return;
    lockRefusalTold_ = true;
    services_.messages.showMessage(lockedProjectMessage(document.pathName(), document.lockHolder()) + "\n" +
                                   std::string(kCombinedAtSave));
}

void CProjectWnd::noticeOtherWriters()
{
    CProjectDoc& document = *document_;
    if (otherWriterTold_ || document.isAddingFiles() || !document.changedOnDisk())
        return;
    otherWriterTold_ = true;
    const std::string changed =
        "Another program changed the project " + document.pathName() + " or its pages since they were read here.";
    if (document.isModified()) {
        services_.messages.showMessage(changed + "\n" + std::string(kCombinedAtSave));
        return;
    }
    if (!services_.messages.askYesNo(changed + "\nReload the project to show its changes?", false))
        return;
    otherWriterTold_ = false;
    document.openProject(document.pathName());
    document.updateAllViews(HintNone, nullptr);
}

void CProjectWnd::addDroppedFiles(const std::vector<std::string>& paths)
{
    const DroppedPages dropped = droppedPages(paths, document_->projectDirectory(), services_.validExtensions);
    if (!dropped.notPages.empty())
        services_.messages.showMessage(notPagesMessage(dropped.notPages, services_.validExtensions));
    if (!dropped.outside.empty())
        services_.messages.showMessage(outsideMessage(dropped.outside, document_->projectDirectory()));
    if (!dropped.pages.empty())
        document_->addFiles(dropped.pages, tree_);
}

void CProjectWnd::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedLocalPaths(*event->mimeData()).empty())
        event->acceptProposedAction();
}

void CProjectWnd::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void CProjectWnd::dropEvent(QDropEvent* event)
{
    std::vector<std::string> paths = droppedLocalPaths(*event->mimeData());
    if (paths.empty())
        return;
    event->acceptProposedAction();
    // The file manager waits until the drop returns: the pages load, and any
    // message shows, after it.
    QTimer::singleShot(0, this, [this, paths = std::move(paths)] { addDroppedFiles(paths); });
}

void CProjectWnd::runCommand(int id)
{
    carryOut(id);
    // Save, and the dialogs run from here, change the project without a refresh.
    showTitle();
}

void CProjectWnd::carryOut(int id)
{
    if (auto hook = hooks_.commands.find(id); hook != hooks_.commands.end()) {
        hook->second(*this);
        return;
    }
    if (auto maker = hooks_.modelessDialogs.find(id); maker != hooks_.modelessDialogs.end()) {
        if (!tree_->modelessDialog(id))
            tree_->adoptModelessDialog(id, maker->second(*this));
        return;
    }
    switch (id) {
    case CmdFileSave:
        if (document_->save())
            otherWriterTold_ = false;
        break;
    case CmdFileClose:
        closeProject();
        break;
    case CmdRemove:
        tree_->removeSelected();
        break;
    case CmdExclude:
        document_->excludeSelected(tree_);
        break;
    case CmdExpandAll:
        tree_->expandAll();
        break;
    case CmdCollapseAll:
        tree_->collapseAll();
        break;
    case CmdDeleteEntries:
        list_->deleteSelected();
        break;
    case CmdAcceptDefaultEntries:
        list_->acceptSelectedDefaults();
        break;
    case CmdSelectAssociatedTargets:
        list_->selectAssociatedTargets();
        break;
    case CmdUndo:
        document_->undo(activeViewAsOrigin());
        break;
    case CmdRedo:
        document_->redo(activeViewAsOrigin());
        break;
    case CmdEditSourceFile:
    case CmdViewSourceFile:
    case CmdEditOutputFile:
    case CmdViewOutputFile:
        openFile(id);
        break;
    case CmdSaveStylesAsDefault:
        document_->saveStylesAsDefault();
        break;
    case CmdApplyDefaultStyles:
        document_->applyDefaultStyles();
        break;
    default:
        break;
    }
}

void CProjectWnd::openFile(int id)
{
    const HtmlToolsSettings tools = readHtmlToolsSettings(services_.profile);
    const bool edit = id == CmdEditSourceFile || id == CmdEditOutputFile;
    if (id == CmdEditSourceFile || id == CmdViewSourceFile) {
        std::vector<ProjectNode*> files;
        document_->root().collect(files, NodeKindMask::SelectedOnly | NodeKindMask::File);
        if (files.size() != 1)
            return;
        launch(planSourceFileLaunch(edit, files.front()->fullPath(), tools));
        return;
    }
    const StyleSettings& styles = document_->styles();
    // The modern layout's index file is a page of its own even with separate group files.
    const bool groupPagesOnly = styles.separateFiles != 0 && styles.extensions.indexLayout != IndexLayout::Modern;
    const std::string path = outputFilePath(document_->projectDirectory(), document_->indexName(), groupPagesOnly,
                                            styles.linksPlacement, fileExists);
    launch(planOutputFileLaunch(edit, path, fileExists(path), tools));
}

void CProjectWnd::launch(const LaunchPlan& plan)
{
    switch (plan.kind) {
    case LaunchPlan::Kind::Message:
        services_.messages.showMessage(plan.message);
        break;
    case LaunchPlan::Kind::Program:
        if (canStartProgram(plan.program))
            services_.shell.openWithProgram(plan.program, plan.path);
        else
            services_.messages.showMessage(cannotStartMessage(plan.program));
        break;
    case LaunchPlan::Kind::Document:
        services_.shell.openDocument(plan.path);
        break;
    case LaunchPlan::Kind::Nothing:
        break;
    }
}

std::string CProjectWnd::projectPath() const
{
    return document_->pathName();
}

QMenu* CProjectWnd::buildPopup(const std::vector<MenuItemDef>& items)
{
    if (!commands_)
        return nullptr;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && frame->mdiArea())
        frame->mdiArea()->setActiveSubWindow(frame);
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    commands_->addItems(*menu, items);
    return menu;
}

void CProjectWnd::showTreePopup(const QPoint& globalPos)
{
    if (QMenu* popup = buildPopup(treePopupDef()))
        popup->popup(globalPos);
}

void CProjectWnd::showListPopup(const QPoint& globalPos)
{
    if (QMenu* popup = buildPopup(listPopupDef()))
        popup->popup(globalPos);
}

void CProjectWnd::runListDoubleClick(bool entryRow)
{
    const int id = entryRow ? CmdEditIndexEntries : CmdEditCrossReference;
    if (isEnabled(id))
        runCommand(id);
}

void CProjectWnd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QList<int> sizes = splitter_->sizes();
    const int cx = splitter_->width() - splitter_->handleWidth();
    if (cx < 1)
        return;
    if (!panesSized_) {
        panesSized_ = true;
        splitter_->setSizes({cx * 40 / 100, cx * 60 / 100});
        return;
    }
    if (!splitterReady_ || sizes.size() != 2)
        return;
    const int total = sizes[0] + sizes[1];
    if (total < 1)
        return;
    splitter_->setSizes({cx * sizes[0] / total, cx * sizes[1] / total});
}

void CProjectWnd::closeProject()
{
    // Closed through its frame in the area of project windows, the window
    // leaves no empty frame behind; the save question comes either way.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void CProjectWnd::closeEvent(QCloseEvent* event)
{
    if (!document_->isModified()) {
        event->accept();
        return;
    }
    // Titled as every other box of the program; the buttons say what they do.
    QMessageBox box(QMessageBox::Question, kMessageTitle,
                    QStringLiteral("Save changes to %1?").arg(QString::fromStdString(document_->title())),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    box.button(QMessageBox::Save)->setText(tr("&Save"));
    box.button(QMessageBox::Discard)->setText(tr("&Don't Save"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !document_->save())) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace torvane

#include "ui/frame/CMainFrame.h"
#include "ui/project/CProjectWnd.h"
#include "ui/commands/CommandIds.h"
#include "ui/commands/CommandRegistry.h"
#include "ui/commands/CommandTable.h"
#include "ui/common/Icons.h"
#include "ui/common/ShownTitle.h"
#include "ui/frame/LockKeys.h"
#include "ui/commands/ProjectCommands.h"
#include "ui/frame/WindowPlacement.h"
#include <QGuiApplication>
#include <QScreen>
#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <filesystem>

namespace torvane {

namespace {

constexpr const char* kTitle = "HTML Torvane";
constexpr const char* kReady = "Ready";
constexpr const char* kProjectFileFilter = "Project Files (*.IPJ)";
const char* const kRecentProperty = "torvaneRecentPath";

int commandOf(const QAction* action)
{
    return action->data().toInt();
}

// The full form a document keeps of its path, so that a path typed relative
// to the working folder finds the window already open and enters the recent
// list only once.
std::string fullPath(const std::string& path)
{
    std::error_code failed;
    std::filesystem::path full = std::filesystem::absolute(path, failed);
    return failed ? path : full.string();
}

bool isSameFile(const std::string& a, const std::string& b)
{
    std::error_code failed;
    return a == b || std::filesystem::equivalent(a, b, failed);
}

} // namespace

CMainFrame::CMainFrame(Profile& profile, FrameHooks hooks, QWidget* parent)
    : QMainWindow(parent)
    , profile_(profile)
    , hooks_(std::move(hooks))
    , recent_(profile)
    , mdi_(new QMdiArea)
    , commands_(new CommandRegistry(*this))
{
    setWindowTitle(kTitle);
    setWindowIcon(applicationIcon());
    setCentralWidget(mdi_);
    registerCommands();
    buildToolbar();
    buildStatusBar();
    buildMenus(false);
    buildAccelerators();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);
    updateCommandUi();
}

CMainFrame::~CMainFrame()
{
    // Closing the children while the base class tears down must not reach
    // this object's members, which are gone by then.
    disconnect(mdi_, nullptr, this, nullptr);
    delete mdi_;
}

void CMainFrame::registerCommands()
{
    for (const CommandDef& def : commandDefs()) {
        const int id = def.id;
        Command command;
        command.id = id;
        command.text = QString::fromUtf8(def.text);
        command.shortcut = QKeySequence(QString::fromUtf8(def.shortcut));
        command.prompt = commandPrompt(id);
        command.icon = toolbarIcon(id);
        command.isEnabled = [this, id] { return isCommandEnabled(id); };
        command.run = isFrameCommand(id) ? frameHandler(id) : [this, id] { runProjectCommand(id); };
        if (id == CmdUndo || id == CmdRedo)
            command.currentText = [this, id] { return queueItemText(id); };
        if (id == CmdViewToolbar)
            command.isChecked = [this] { return toolbar_->isVisibleTo(this); };
        if (id == CmdViewStatusBar)
            command.isChecked = [this] { return statusBar()->isVisibleTo(this); };
        commands_->add(std::move(command));
    }
}

std::function<void()> CMainFrame::frameHandler(int id)
{
    switch (id) {
    case CmdFileNew:
        return [this] { hooks_.newProject(this); };
    case CmdFileOpen:
        return [this] { openFromDialog(); };
    case CmdExit:
        return [this] { close(); };
    case CmdViewToolbar:
        return [this] { toolbar_->setVisible(!toolbar_->isVisibleTo(this)); };
    case CmdViewStatusBar:
        return [this] { statusBar()->setVisible(!statusBar()->isVisibleTo(this)); };
    case CmdDefaultStyleSettings:
        return [this] { hooks_.defaultStyleSettings(this); };
    case CmdHtmlTools:
        return [this] { hooks_.htmlTools(this); };
    case CmdHelpTopics:
        return [this] { hooks_.helpTopics(this); };
    case CmdTutorial:
        return [this] { hooks_.tutorial(this); };
    case CmdAbout:
        return [this] { hooks_.about(this); };
    case CmdCascade:
        return [this] { mdi_->cascadeSubWindows(); };
    case CmdTile:
        return [this] { mdi_->tileSubWindows(); };
    case CmdArrangeIcons:
        return [this] { arrangeMinimized(); };
    default:
        // The recent-file placeholder: the paths are items of their own.
        return [] {};
    }
}

void CMainFrame::runProjectCommand(int id)
{
    if (ProjectCommands* project = activeProject())
        project->runCommand(id);
    updateCommandUi();
}

void CMainFrame::buildMenus(bool projectMenu)
{
    if (menusBuilt_ && projectMenu == showingProjectMenu_)
        return;
    menusBuilt_ = true;
    showingProjectMenu_ = projectMenu;
    // The menus own only their recent-file and window items; the commands'
    // actions stay with the registry.
    const QList<QAction*> previous = menuBar()->actions();
    menuBar()->clear();
    for (QAction* popup : previous)
        popup->menu()->deleteLater();
    for (const MenuPopupDef& popup : projectMenu ? projectMenuDef() : frameMenuDef())
        menuBar()->addMenu(buildMenu(popup.title, popup.items));
}

QMenu* CMainFrame::buildMenu(const char* title, const std::vector<MenuItemDef>& items)
{
    auto* menu = new QMenu(QString::fromUtf8(title), menuBar());
    commands_->addItems(*menu, items);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { prepareMenu(menu); });
    return menu;
}

void CMainFrame::prepareMenu(QMenu* menu)
{
    fillRecentFiles(menu);
    fillWindowList(menu);
}

void CMainFrame::fillRecentFiles(QMenu* menu)
{
    QAction* placeholder = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->property(kRecentProperty).isValid())
            menu->removeAction(action), action->deleteLater();
        else if (!action->isSeparator() && commandOf(action) == CmdRecentFile)
            placeholder = action;
    }
    if (!placeholder)
        return;
    const auto& paths = recent_.paths();
    placeholder->setVisible(paths.empty());
    for (size_t i = 0; i < paths.size(); ++i) {
        const std::string path = paths[i];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromStdString(path)), menu);
        action->setProperty(kRecentProperty, QString::fromStdString(path));
        action->setStatusTip(QString::fromStdString(commandPrompt(CmdRecentFile).status));
        action->setEnabled(static_cast<bool>(hooks_.openProject));
        connect(action, &QAction::triggered, this, [this, path] { openProjectFile(path); });
        menu->insertAction(placeholder, action);
    }
}

void CMainFrame::fillWindowList(QMenu* menu)
{
    const QList<QAction*> items = menu->actions();
    const bool isWindowMenu = std::any_of(items.begin(), items.end(),
                                          [](QAction* a) { return !a->isSeparator() && commandOf(a) == CmdCascade; });
    if (!isWindowMenu)
        return;
    for (QAction* action : menu->actions()) {
        if (action->property("torvaneWindow").isValid())
            menu->removeAction(action), action->deleteLater();
    }
    const auto windows = mdi_->subWindowList();
    if (!windows.isEmpty()) {
        auto* separator = menu->addSeparator();
        separator->setProperty("torvaneWindow", true);
    }
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        auto* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shownTitle(*window->widget())));
        action->setProperty("torvaneWindow", true);
        action->setCheckable(true);
        action->setChecked(window == mdi_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, window] { mdi_->setActiveSubWindow(window); });
    }
}

void CMainFrame::buildToolbar()
{
    toolbar_ = addToolBar(tr("Toolbar"));
    toolbar_->setObjectName("toolbar");
    toolbar_->setIconSize(QSize(16, 15));
    toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : toolbarDef()) {
        if (id == 0)
            toolbar_->addSeparator();
        else
            toolbar_->addAction(commands_->action(id));
    }
}

void CMainFrame::buildAccelerators()
{
    // The commands' own keys come with their actions; these two move the
    // focus between panes.
    for (bool forward : {true, false}) {
        auto* action = new QAction(this);
        action->setShortcut(forward ? QKeySequence(Qt::Key_F6) : QKeySequence(Qt::SHIFT | Qt::Key_F6));
        connect(action, &QAction::triggered, this, [this, forward] { focusNextPane(forward); });
        addAction(action);
    }
}

void CMainFrame::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(kReady);
    });
    bar->showMessage(kReady);
    // The three lock indicators, greyed while their lock is off.
    const std::pair<const char*, const char*> locks[] = {
        {"CAP", "capslock"}, {"NUM", "numlock"}, {"SCRL", "scrolllock"}};
    std::vector<std::pair<QLabel*, std::string>> indicators;
    for (const auto& [text, led] : locks) {
        auto* label = new QLabel(text);
        label->setObjectName(text);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 8);
        bar->addPermanentWidget(label);
        indicators.emplace_back(label, led);
    }
    auto refresh = [indicators] {
        for (const auto& [label, led] : indicators)
            label->setEnabled(isLockOn(kLedFolder, led));
    };
    refresh();
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, refresh);
    timer->start(500);
}

void CMainFrame::showWithStoredPlacement()
{
    WindowPlacement placement = readWindowPlacement(profile_);
    if (!placement.stored) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            placeOnFirstStart(placement, area.left(), area.top(), area.width(), area.height());
        }
    }
    toolbar_->setVisible(placement.toolbarVisible);
    statusBar()->setVisible(placement.statusBarVisible);
    setGeometry(placement.left, placement.top, placement.right - placement.left, placement.bottom - placement.top);
    if (placement.minimized) {
        setWindowState(placement.maximized ? (Qt::WindowMinimized | Qt::WindowMaximized) : Qt::WindowMinimized);
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    } else if (placement.maximized) {
        showMaximized();
    } else {
        showNormal();
    }
}

void CMainFrame::savePlacement()
{
    WindowPlacement placement;
    const QRect normal = (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) ? normalGeometry() : geometry();
    if (normal.isValid()) {
        placement.left = normal.left();
        placement.top = normal.top();
        placement.right = normal.left() + normal.width();
        placement.bottom = normal.top() + normal.height();
    }
    placement.minimized = windowState().testFlag(Qt::WindowMinimized);
    placement.maximized = windowState().testFlag(Qt::WindowMaximized);
    placement.toolbarVisible = toolbar_->isVisibleTo(this);
    placement.statusBarVisible = statusBar()->isVisibleTo(this);
    writeWindowPlacement(profile_, placement);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A Cancel in any save question stops here: the windows after it are
    // neither asked nor closed, and the program stays. Guarded pointers, as a
    // window closed earlier may be deleted while a later question waits.
    const QList<QMdiSubWindow*> open = mdi_->subWindowList();
    const QList<QPointer<QMdiSubWindow>> windows(open.begin(), open.end());
    for (const QPointer<QMdiSubWindow>& window : windows) {
        if (window && !window->close()) {
            event->ignore();
            return;
        }
    }
    savePlacement();
    event->accept();
}

ProjectCommands* CMainFrame::activeProject() const
{
    QMdiSubWindow* window = mdi_->activeSubWindow();
    if (!window && !mdi_->subWindowList().isEmpty())
        window = mdi_->currentSubWindow();
    return window ? dynamic_cast<ProjectCommands*>(window->widget()) : nullptr;
}

bool CMainFrame::hookAvailable(int id) const
{
    switch (id) {
    case CmdFileNew:
        return static_cast<bool>(hooks_.newProject);
    case CmdFileOpen:
        return static_cast<bool>(hooks_.openProject);
    case CmdDefaultStyleSettings:
        return static_cast<bool>(hooks_.defaultStyleSettings);
    case CmdHtmlTools:
        return static_cast<bool>(hooks_.htmlTools);
    case CmdHelpTopics:
        return static_cast<bool>(hooks_.helpTopics);
    case CmdTutorial:
        return static_cast<bool>(hooks_.tutorial);
    case CmdAbout:
        return static_cast<bool>(hooks_.about);
    default:
        return true;
    }
}

bool CMainFrame::isCommandEnabled(int id) const
{
    if (id == CmdRecentFile || !hookAvailable(id))
        return false;
    ProjectCommands* project = activeProject();
    CommandState state;
    if (project)
        state = project->commandState();
    if (!torvane::isCommandEnabled(id, state))
        return false;
    return !project || isFrameCommand(id) || project->canRun(id);
}

QString CMainFrame::queueItemText(int id) const
{
    // The resource's wording stays until a project can name its actions.
    ProjectCommands* project = activeProject();
    if (!project)
        return commands_->action(id)->text();
    if (id == CmdUndo)
        return QString::fromStdString(undoItemText(project->undoActionName()));
    return QString::fromStdString(redoItemText(project->redoActionName()));
}

void CMainFrame::runCommand(int id)
{
    commands_->run(id);
}

void CMainFrame::updateCommandUi()
{
    commands_->update();
}

void CMainFrame::openFromDialog()
{
    QFileDialog dialog(this, tr("Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kProjectFileFilter);
    // Project files are named .IPJ, .ipj or anything in between.
    dialog.setFilter(dialog.filter() & ~QDir::Filters(QDir::CaseSensitive));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openProjectFile(dialog.selectedFiles().first().toStdString());
}

bool CMainFrame::openProjectFile(const std::string& typedPath)
{
    if (!hooks_.openProject)
        return false;
    const std::string path = fullPath(typedPath);
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        auto* project = dynamic_cast<ProjectCommands*>(window->widget());
        if (project && isSameFile(project->projectPath(), path)) {
            mdi_->setActiveSubWindow(window);
            recent_.add(project->projectPath());
            return true;
        }
    }
    QWidget* window = hooks_.openProject(path);
    if (!window) {
        recent_.remove(path);
        return false;
    }
    addProjectWindow(window);
    recent_.add(path);
    return true;
}

QMdiSubWindow* CMainFrame::addProjectWindow(QWidget* window)
{
    if (auto* project = qobject_cast<CProjectWnd*>(window)) {
        project->setCommands(commands_);
        connect(project, &CProjectWnd::refreshed, this, &CMainFrame::updateCommandUi);
        connect(project, &CProjectWnd::titleShown, this, &CMainFrame::showActiveTitle);
    }
    QMdiSubWindow* sub = mdi_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(sub, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::showActiveTitle);
    sub->setWindowIcon(applicationIcon());
    // File > Close holds the desktop's close key; the same key on the
    // window's own menu would leave it to neither.
    if (QMenu* menu = sub->systemMenu()) {
        for (QAction* action : menu->actions())
            if (action->shortcuts().contains(QKeySequence(QKeySequence::Close)))
                action->setShortcuts({});
    }
    // The first activation fills the client area, inset by one pixel at the
    // top left and three at the bottom right.
    const QRect area = mdi_->viewport()->rect();
    sub->setGeometry(1, 1, std::max(1, area.width() - 4), std::max(1, area.height() - 4));
    // Beside a maximised window the new one opens maximised too; shown at its
    // normal size first, it would hand the activation back.
    const QMdiSubWindow* previous = mdi_->activeSubWindow();
    if (previous && previous->isMaximized())
        sub->showMaximized();
    else
        sub->show();
    mdi_->setActiveSubWindow(sub);
    onSubWindowActivated(sub);
    return sub;
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        noticeOtherWritersLater(mdi_->activeSubWindow());
}

void CMainFrame::noticeOtherWritersLater(QMdiSubWindow* window)
{
    auto* project = window ? qobject_cast<CProjectWnd*>(window->widget()) : nullptr;
    // Asked after the activation is done, not inside it.
    if (project)
        QTimer::singleShot(0, project, [project] { project->noticeOtherWriters(); });
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow* window)
{
    noticeOtherWritersLater(window);
    const bool anyProject = window != nullptr || !mdi_->subWindowList().isEmpty();
    buildMenus(anyProject);
    if (window || !anyProject)
        showActiveTitle();
    updateCommandUi();
}

void CMainFrame::showActiveTitle()
{
    QMdiSubWindow* active = mdi_->activeSubWindow();
    // A maximised project window adds " - [name]" to the frame's title
    // itself; naming the project here as well would show it twice.
    if (!active || active->isMaximized())
        setWindowTitle(kTitle);
    else
        setWindowTitle(QStringLiteral("%1 - %2").arg(kTitle, active->widget()->windowTitle()));
    setWindowModified(active && active->widget()->isWindowModified());
}

void CMainFrame::arrangeMinimized()
{
    const QRect area = mdi_->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, area.height() - size.height());
        x += size.width();
    }
}

void CMainFrame::focusNextPane(bool)
{
    // With two panes, forwards and backwards both reach the other one.
    if (ProjectCommands* project = activeProject())
        project->focusOtherPane();
}

} // namespace torvane

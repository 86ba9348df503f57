#pragma once
#include "ui/frame/FrameHooks.h"
#include "ui/frame/RecentFiles.h"
#include <QMainWindow>
#include <functional>
#include <string>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace torvane {

class CommandRegistry;
class Profile;
class ProjectCommands;

// The program's multiple-document main window.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(Profile& profile, FrameHooks hooks, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Restores the stored placement and bar visibility, then shows the window.
    void showWithStoredPlacement();
    // Writes placement and bar visibility to the profile.
    void savePlacement();

    // Opens a project in a new window, or brings forward the window that has
    // it open already, and records its full path among the recent files. A
    // relative path is taken from the working folder.
    bool openProjectFile(const std::string& typedPath);
    // Puts an already opened project window into the client area.
    QMdiSubWindow* addProjectWindow(QWidget* window);

    // The enabling rule of every command, read for the active project.
    bool isCommandEnabled(int id) const;
    // Runs a command when it is enabled.
    void runCommand(int id);
    // The one action of each command, shared by menus, toolbar and popups.
    CommandRegistry& commands() const { return *commands_; }

    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolbar_; }
    ProjectCommands* activeProject() const;
    const RecentFiles& recentFiles() const { return recent_; }
    // Brings the commands' enabled states and texts up to date (after every refresh).
    void updateCommandUi();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Coming back to the program, the active project looks for other writers' changes.
    void changeEvent(QEvent* event) override;

private:
    void registerCommands();
    void noticeOtherWritersLater(QMdiSubWindow* window);
    std::function<void()> frameHandler(int id);
    void runProjectCommand(int id);
    QString queueItemText(int id) const;
    void buildMenus(bool projectMenu);
    QMenu* buildMenu(const char* title, const std::vector<struct MenuItemDef>& items);
    void prepareMenu(QMenu* menu);
    void fillRecentFiles(QMenu* menu);
    void fillWindowList(QMenu* menu);
    void buildToolbar();
    void buildAccelerators();
    void buildStatusBar();
    void onSubWindowActivated(QMdiSubWindow* window);
    // One title for the frame: the program, the active project and its
    // unsaved-changes mark.
    void showActiveTitle();
    void openFromDialog();
    void arrangeMinimized();
    void focusNextPane(bool forward);
    bool hookAvailable(int id) const;

    Profile& profile_;
    FrameHooks hooks_;
    RecentFiles recent_;
    QMdiArea* mdi_;
    QToolBar* toolbar_ = nullptr;
    CommandRegistry* commands_;
    bool showingProjectMenu_ = false;
    bool menusBuilt_ = false;
};

} // namespace torvane

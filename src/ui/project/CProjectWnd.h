#pragma once
#include "document/DocumentView.h"
#include "ui/commands/ProjectCommands.h"
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QMenu;
class QSplitter;

namespace torvane {

struct AppServices;
class CommandRegistry;
class CProjectList;
class CProjectTree;
class CProjectDoc;
struct MenuItemDef;

// The window of one open project: the tree on the left, the list on the
// right, the refresh protocol that both views end their operations with,
// and the project's commands. When the document changes, the views let go
// of what they point at in it at once; only their rebuild is posted.
class CProjectWnd : public QWidget, public ProjectCommands, public DocumentView {
    Q_OBJECT
public:
    // What this window cannot do by itself, by command id; a command left
    // without its hook stays disabled.
    struct Hooks {
        // Commands carried out elsewhere: Make Index and the modal dialogs.
        std::map<int, std::function<void(CProjectWnd&)>> commands;
        // Makers of the modeless dialogs (Add Files, Add External URLs, Add
        // Index Entry, Create Cross-Reference); the tree view owns what they make.
        std::map<int, std::function<QWidget*(CProjectWnd&)>> modelessDialogs;
    };

    // Takes the opened document: closing the window closes the project.
    CProjectWnd(std::unique_ptr<CProjectDoc> document, AppServices& services, Hooks hooks, QWidget* parent = nullptr);
    ~CProjectWnd() override;

    CProjectDoc& document() { return *document_; }
    AppServices& services() { return services_; }
    CProjectTree* treeView() const { return tree_; }
    CProjectList* listView() const { return list_; }
    QWidget* activeView() const { return activeView_; }
    QSplitter* splitter() const { return splitter_; }
    // The box above the list that narrows its rows as one types.
    QLineEdit* filterBox() const { return filterBox_; }

    // Posts a refresh of both views; `origin` gets the focus afterwards.
    void requestRefresh(int hint, QWidget* origin);
    void documentChanging(CProjectDoc& document) override;
    // Every change of the document, and every view operation, ends here.
    void documentChanged(CProjectDoc& document, int hint, DocumentView* origin) override;
    // Carries out the refreshes posted so far, for callers that do not wait
    // for the event loop.
    void flushRefresh();
    bool hasPendingRefresh() const { return !pending_.empty(); }
    // A view got the focus by other means than a refresh.
    void viewActivated(QWidget* view);
    // The commands whose actions the popups show (the main frame's).
    void setCommands(CommandRegistry* commands) { commands_ = commands; }
    void showTreePopup(const QPoint& globalPos);
    void showListPopup(const QPoint& globalPos);
    void runListDoubleClick(bool entryRow);
    void scrollTreeToTop();
    // A popup of the shared command actions, this window made the active one
    // so that they act on it; null while the window has no commands.
    QMenu* buildPopup(const std::vector<MenuItemDef>& items);

    // ProjectCommands
    CommandState commandState() const override;
    std::optional<std::string> undoActionName() const override;
    std::optional<std::string> redoActionName() const override;
    bool canRun(int id) const override;
    void runCommand(int id) override;
    std::string projectPath() const override;
    void focusOtherPane() override;

    bool isEnabled(int id) const;
    // Shows the project's file name, marked while it has unsaved changes.
    void showTitle();
    // Looks for another program's changes to the project file and pages:
    // offers to reload an unchanged project, and tells one with unsaved
    // changes that the save combines both sides' changes. Asks once until
    // the next save or reload.
    void noticeOtherWriters();
    // Adds the pages among files and folders dropped from a file manager,
    // as Add Files adds the same paths; tells which files are not pages.
    void addDroppedFiles(const std::vector<std::string>& paths);

signals:
    // The views were refreshed: command states may have changed.
    void refreshed();
    // The name or the unsaved-changes mark may have changed.
    void titleShown();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct PendingRefresh {
        int hint;
        QWidget* origin;
    };
    void refresh(int hint, QWidget* origin);
    // The list under its filter box.
    QWidget* listPane();
    void carryOut(int id);
    // File > Close: asks to save as closing the window by its frame does.
    void closeProject();
    void returnFocusToDialog(int hint);
    DocumentView* activeViewAsOrigin() const;
    void openFile(int id);
    void launch(const struct LaunchPlan& plan);
    // The project's lock is held while it has unsaved changes, so that
    // command-line edits wait rather than meet them at the save.
    void holdLockWhileModified();

    std::unique_ptr<CProjectDoc> document_;
    AppServices& services_;
    Hooks hooks_;
    CommandRegistry* commands_ = nullptr;
    QSplitter* splitter_;
    CProjectTree* tree_;
    CProjectList* list_;
    QLineEdit* filterBox_ = nullptr;
    QWidget* activeView_;
    QWidget* hintOrigin_;
    bool splitterReady_ = false;
    // The first size known gives the panes 40 and 60 per cent.
    bool panesSized_ = false;
    std::deque<PendingRefresh> pending_;
    bool lockRefusalTold_ = false;
    bool otherWriterTold_ = false;
};

} // namespace torvane

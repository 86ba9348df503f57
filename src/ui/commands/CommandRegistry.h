#pragma once
#include "ui/commands/CommandTable.h"
#include <QIcon>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace torvane {

// A command as registered: what every place shows, when it may run and what
// it does. `currentText` and `isChecked` are for the few items whose text or
// check mark follows the program's state.
struct Command {
    int id = 0;
    QString text;
    QKeySequence shortcut;
    CommandPrompt prompt;
    QIcon icon;
    std::function<bool()> isEnabled;
    std::function<void()> run;
    std::function<QString()> currentText;
    std::function<bool()> isChecked;
};

// The one QAction of every command, shared by the menus, the toolbar and the
// popups, so that they cannot disagree on text, prompt or enabled state.
class CommandRegistry : public QObject {
    Q_OBJECT
public:
    // The shortcuts are in force in `window`.
    explicit CommandRegistry(QWidget& window);

    // Registers a command; an id is registered once only.
    QAction* add(Command command);
    // Null for an id that was never registered.
    QAction* action(int id) const;
    const std::map<int, QAction*>& actions() const { return actions_; }
    // Runs a command when its rule allows it now; false when it did not run.
    bool run(int id);

    // Runs every enabling rule (and the live texts and check marks).
    void update();
    // Fills `menu` with the shared actions of `items` in order. Items worded
    // differently show their own text while the menu lives; the actions are
    // brought up to date now and whenever the menu opens.
    void addItems(QMenu& menu, const std::vector<MenuItemDef>& items);

private:
    QWidget& window_;
    std::map<int, QAction*> actions_;
    std::map<int, Command> commands_;
};

} // namespace torvane

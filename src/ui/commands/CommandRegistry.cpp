#include "ui/commands/CommandRegistry.h"
#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QWidget>
#include <stdexcept>

namespace torvane {

CommandRegistry::CommandRegistry(QWidget& window)
    : QObject(&window)
    , window_(window)
{
}

QAction* CommandRegistry::add(Command command)
{
    if (actions_.count(command.id))
        throw std::logic_error("command registered twice: " + std::to_string(command.id));
    auto* action = new QAction(command.text, this);
    action->setData(command.id);
    action->setStatusTip(QString::fromStdString(command.prompt.status));
    if (!command.prompt.tooltip.empty())
        action->setToolTip(QString::fromStdString(command.prompt.tooltip));
    action->setIcon(command.icon);
    // The pictures belong to the toolbar; the menus show none.
    action->setIconVisibleInMenu(false);
    action->setCheckable(static_cast<bool>(command.isChecked));
    if (!command.shortcut.isEmpty()) {
        // A menu adds the action's shortcut to an item whose text names no
        // key; a key the text does not name is bound beside the action.
        if (command.text.contains('\t')) {
            action->setShortcut(command.shortcut);
            window_.addAction(action);
        } else {
            auto* key = new QShortcut(command.shortcut, &window_);
            connect(key, &QShortcut::activated, action, &QAction::trigger);
        }
    }
    // The rule is asked again at the moment of running: the state may have
    // changed since the item was last brought up to date.
    connect(action, &QAction::triggered, this, [this, id = command.id] { run(id); });
    actions_[command.id] = action;
    commands_.emplace(command.id, std::move(command));
    return action;
}

QAction* CommandRegistry::action(int id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

bool CommandRegistry::run(int id)
{
    const auto found = commands_.find(id);
    if (found == commands_.end() || !found->second.isEnabled())
        return false;
    // A copy: the command may close the window that owns this registry.
    const std::function<void()> command = found->second.run;
    command();
    return true;
}

void CommandRegistry::update()
{
    for (const auto& [id, command] : commands_) {
        QAction* item = actions_.at(id);
        if (command.currentText)
            item->setText(command.currentText());
        if (command.isChecked)
            item->setChecked(command.isChecked());
        item->setEnabled(command.isEnabled());
    }
}

void CommandRegistry::addItems(QMenu& menu, const std::vector<MenuItemDef>& items)
{
    for (const MenuItemDef& item : items) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* shared = action(item.id);
        if (!shared)
            throw std::logic_error("menu item of an unregistered command: " + std::to_string(item.id));
        menu.addAction(shared);
        if (!item.wording)
            continue;
        // The menu bar's menus are closed while a popup is open, so the
        // popup's wording can borrow the shared action until it closes.
        const QString wording = QString::fromUtf8(item.wording);
        const QString own = commands_.at(item.id).text;
        shared->setText(wording);
        connect(&menu, &QMenu::aboutToShow, shared, [shared, wording] { shared->setText(wording); });
        connect(&menu, &QMenu::aboutToHide, shared, [shared, own] { shared->setText(own); });
        connect(&menu, &QObject::destroyed, shared, [shared, own] { shared->setText(own); });
    }
    connect(&menu, &QMenu::aboutToShow, this, &CommandRegistry::update);
    update();
}

} // namespace torvane

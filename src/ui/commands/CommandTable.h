#pragma once
#include <string>
#include <vector>

namespace torvane {

// A command as the program words it, once for every place that shows it.
// The text carries the mnemonic and, after a tab, the shortcut as the menu
// shows it; `shortcut` is the key that runs it (empty for none). The prompt
// is the status-bar text, then after "\n" the toolbar tip when there is one.
struct CommandDef {
    int id;
    const char* text;
    const char* shortcut;
    const char* prompt;
};
// Every command of the menus, popups and toolbar, each once.
const std::vector<CommandDef>& commandDefs();

// One menu item; id 0 is a separator. A popup that words its command
// differently from the menu bar gives its own text.
struct MenuItemDef {
    int id;
    const char* wording = nullptr;
};

struct MenuPopupDef {
    const char* title;
    std::vector<MenuItemDef> items;
};

// The frame's menu while no project is open.
const std::vector<MenuPopupDef>& frameMenuDef();
// The menu of an active project window.
const std::vector<MenuPopupDef>& projectMenuDef();
const std::vector<MenuItemDef>& treePopupDef();
const std::vector<MenuItemDef>& listPopupDef();
// Toolbar buttons from left to right; 0 is a gap.
const std::vector<int>& toolbarDef();

// The status-bar prompt of a command and its tool tip (empty when it has none).
struct CommandPrompt {
    std::string status;
    std::string tooltip;
};
CommandPrompt commandPrompt(int id);

} // namespace torvane

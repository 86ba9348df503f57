#pragma once
#include <string>
#include <vector>

namespace torvane {

// One menu item; id 0 is a separator. The text carries the mnemonic and,
// after a tab, the shortcut text shown in the menu.
struct MenuItemDef {
    int id;
    const char* text;
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

#pragma once

#include <cstdint>
#include <string_view>

namespace torvane {

class ProjectNode;

// Opaque handle of an item in a tree control. kNoTreeItem means "not
// inserted"; as a parent it means the control's top level, and as an
// insertion point it means "first position".
using TreeItem = std::uintptr_t;
inline constexpr TreeItem kNoTreeItem = 0;

struct TreeItemLook {
    std::string_view text;
    int image = 0; // used as normal and selected image
    bool expanded = false;
    bool selected = false;
    // Text or picture changed since the item was last updated; otherwise
    // only the marks may have, which a control can set without redrawing.
    bool textOrImageChanged = true;
    // A target the user excluded from the index: shown set apart.
    bool excluded = false;
};

// The tree control through which project nodes show themselves. The GUI
// implements it on its toolkit's tree widget; tests record the calls.
class TreeControl {
public:
    virtual ~TreeControl() = default;
    virtual TreeItem insertItem(TreeItem parent, TreeItem insertAfter, const TreeItemLook& look, ProjectNode* node) = 0;
    virtual void updateItem(TreeItem item, const TreeItemLook& look) = 0;
    virtual void deleteItem(TreeItem item) = 0;
};

} // namespace torvane

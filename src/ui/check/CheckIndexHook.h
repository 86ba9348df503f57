#pragma once
#include "ui/project/CProjectWnd.h"

namespace torvane {

struct IndexFinding;

// Check Index on every project window: one findings window per project
// window, checked again when the command is chosen again.
void installCheckIndexHook(CProjectWnd::Hooks& hooks);

// Selects the finding's page, anchor, URL or locator in the window's tree
// (opening the folders above it), as a click on it would.
void showFindingInTree(CProjectWnd& window, const IndexFinding& finding);

} // namespace torvane

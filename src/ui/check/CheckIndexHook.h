#pragma once
#include "ui/project/CProjectWnd.h"
#include <string>

namespace torvane {

class CProjectDoc;
struct IndexFinding;

// Check Index on every project window: one findings window per project
// window, checked again when the command is chosen again.
void installCheckIndexHook(CProjectWnd::Hooks& hooks);

// Selects the finding's page, anchor, URL or locator in the window's tree
// (opening the folders above it), as a click on it would.
void showFindingInTree(CProjectWnd& window, const IndexFinding& finding);

// Lets the finding stand in the project's check settings, with why; saved with the project.
void ignoreFinding(CProjectDoc& document, const IndexFinding& finding, std::string reason);

} // namespace torvane

#pragma once
#include "ui/project/CProjectWnd.h"

namespace torvane {

struct AppServices;

// Makers of the Add Files and Add External URLs dialogs of a project window.
void installAddDialogHooks(CProjectWnd::Hooks& hooks, AppServices& services);

} // namespace torvane

#pragma once
#include "ui/project/CProjectWnd.h"

namespace torvane {

struct AppServices;

// Add Index Entry (the modeless add dialog) and Edit Selected Index Entries
// (the modal edit dialog, also run by a double-click on an entry row).
void installEntryDialogHooks(CProjectWnd::Hooks& hooks, AppServices& services);

} // namespace torvane

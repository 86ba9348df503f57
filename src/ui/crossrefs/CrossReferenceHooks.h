#pragma once
#include "ui/project/CProjectWnd.h"

namespace torvane {

struct AppServices;

// Create Cross-Reference (the modeless dialog) and Edit Cross-Reference (the
// modal one, also run by a double-click on a cross-reference row).
void installCrossReferenceHooks(CProjectWnd::Hooks& hooks, AppServices& services);

} // namespace torvane

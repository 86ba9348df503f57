#pragma once
#include "ui/project/CProjectWnd.h"

namespace torvane {

struct AppServices;

// Filenames on every project window.
void installFilenamesHook(CProjectWnd::Hooks& hooks, AppServices& services);

} // namespace torvane

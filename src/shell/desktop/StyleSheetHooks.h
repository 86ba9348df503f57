#pragma once
#include "ui/CMainFrame.h"
#include "ui/CProjectWnd.h"

namespace torvane {

struct AppServices;

// "Project Style Settings..." edits the project's settings.
void installProjectStyleSheetHook(CProjectWnd::Hooks& hooks, AppServices& services);
// "Default Style Settings..." edits the user's defaults in the profile.
void installDefaultStyleSheetHook(FrameHooks& frame, AppServices& services);

} // namespace torvane

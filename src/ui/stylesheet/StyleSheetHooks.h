#pragma once
#include "ui/frame/CMainFrame.h"
#include "ui/project/CProjectWnd.h"

namespace torvane {

struct AppServices;

// "Project Style Settings..." edits the project's settings.
void installProjectStyleSheetHook(CProjectWnd::Hooks& hooks, AppServices& services);
// "Default Style Settings..." edits the user's defaults in the profile.
void installDefaultStyleSheetHook(FrameHooks& frame, AppServices& services);

} // namespace torvane

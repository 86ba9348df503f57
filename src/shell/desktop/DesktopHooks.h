#pragma once
#include "ui/frame/CMainFrame.h"
#include "ui/project/CProjectWnd.h"

namespace torvane {

struct AppServices;

// The commands of a project window that run outside the views: Make Index
// and the adding and editing dialogs.
CProjectWnd::Hooks projectCommandHooks(AppServices& services);

// The frame's commands available in this program: opening projects (each in
// its own window with `projectHooks`), New, About and the HTML Tools dialog.
FrameHooks frameHooks(AppServices& services, const CProjectWnd::Hooks& projectHooks);

} // namespace torvane

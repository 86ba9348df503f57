#pragma once
#include "ui/frame/CMainFrame.h"
#include "ui/project/CProjectWnd.h"

namespace torvane {

struct AppServices;

// Filenames on every project window.
void installFilenamesHook(CProjectWnd::Hooks& hooks, AppServices& services);

// File New (in the frame whose command runs it, through its openProject hook)
// and About.
void installFileDialogFrameHooks(FrameHooks& hooks, AppServices& services);

} // namespace torvane

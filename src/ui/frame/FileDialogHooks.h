#pragma once
#include "ui/frame/FrameHooks.h"

namespace torvane {

struct AppServices;

// File New (in the frame whose command runs it, through its openProject hook)
// and About.
void installFileDialogFrameHooks(FrameHooks& hooks, AppServices& services);

} // namespace torvane

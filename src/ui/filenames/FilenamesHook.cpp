#include "ui/filenames/FilenamesHook.h"
#include "ui/commands/CommandIds.h"
#include "ui/filenames/FilenamesDialogCommand.h"

namespace torvane {

void installFilenamesHook(CProjectWnd::Hooks& hooks, AppServices& services)
{
    hooks.commands[CmdFilenames] = [&services](CProjectWnd& window) { runSetFilenames(window, services); };
}

} // namespace torvane

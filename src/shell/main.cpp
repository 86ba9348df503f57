#include "shell/cli/CommandLine.h"
#include "shell/cli/TerminalProgress.h"
#include <iostream>
#include <string>
#include <vector>
#ifdef TORVANE_HAS_GUI
#include "shell/desktop/Desktop.h"
#endif

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    torvane::CommandLine command = torvane::parseCommandLine(arguments);
    // Only the interactive program creates any window object; the unattended
    // run stays free of the desktop toolkit.
    if (command.action == torvane::CommandLine::Action::Desktop) {
#ifdef TORVANE_HAS_GUI
        return torvane::runDesktop(argc, argv);
#else
        return torvane::reportNoDesktop(std::cerr);
#endif
    }
    return torvane::runCommandLine(command, TORVANE_VERSION, std::cout, std::cerr,
                                   torvane::standardErrorIsTerminal());
}

#include "shell/cli/CommandLine.h"
#include "shell/cli/DesktopStart.h"
#include "shell/cli/TerminalProgress.h"
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    torvane::CommandLine command = torvane::parseCommandLine(arguments);
    // Only the interactive program creates any window object; the unattended
    // run stays free of the desktop toolkit, which is not even loaded.
    if (command.action == torvane::CommandLine::Action::Desktop) {
#ifdef TORVANE_DESKTOP_PROGRAM
        return torvane::startDesktop(argv, TORVANE_DESKTOP_PROGRAM, std::cerr);
#else
        return torvane::reportNoDesktop(std::cerr);
#endif
    }
    return torvane::runCommandLine(command, TORVANE_VERSION, std::cout, std::cerr, torvane::standardErrorIsTerminal());
}

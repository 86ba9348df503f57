#include "shell/cli/CommandLine.h"
#include "shell/cli/DesktopStart.h"
#include "shell/cli/OutputBuffer.h"
#include "shell/cli/TerminalProgress.h"
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>
#include <unistd.h>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    torvane::CommandLine command = torvane::parseCommandLine(arguments);
    // Only the interactive program creates any window object; the unattended
    // run stays free of the desktop toolkit, which is not even loaded.
    if (command.action == torvane::CommandLine::Action::Desktop) {
#ifdef TORVANE_DESKTOP_PROGRAM
        if (const std::optional<int> refused = torvane::refuseWithoutDisplay(std::cerr))
            return *refused;
        return torvane::startDesktop(argv, TORVANE_DESKTOP_PROGRAM, std::cerr);
#else
        return torvane::reportNoDesktop(std::cerr);
#endif
    }
    // A reader that stops early is then a failed write told with its cause,
    // not a silent end of the program (set after the desktop is started: a
    // started program keeps signals ignored).
    std::signal(SIGPIPE, SIG_IGN);
    torvane::OutputBuffer outputBuffer(STDOUT_FILENO);
    std::ostream out(&outputBuffer);
    return torvane::runCommandLine(command, TORVANE_VERSION, out, std::cerr, torvane::standardErrorIsTerminal());
}

#pragma once

namespace torvane {

// The interactive program: the main window, with the project named on the
// command line (if any) opened in it. Returns the exit status.
int runDesktop(int argc, char** argv);

} // namespace torvane

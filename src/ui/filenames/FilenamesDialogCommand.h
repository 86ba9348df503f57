#pragma once

namespace torvane {

struct AppServices;
class CProjectWnd;

// Filenames: lets the user rename the project file and the index outputs,
// asking before a new name replaces a file in the project directory.
void runSetFilenames(CProjectWnd& window, AppServices& services);

} // namespace torvane

#pragma once
#include <optional>
#include <string>

class QWidget;

namespace torvane {

struct AppServices;
class CMainFrame;

// The folder chooser of File New; nothing when cancelled.
std::optional<std::string> chooseProjectFolder(QWidget* parent);

// Creates a project in `folder`: settles the five names (asking before
// existing files are replaced), writes the first project file, opens it in a
// new window of `frame` and starts Add Files there. False when nothing was
// created (cancelled, or the project file could not be written).
bool createNewProject(CMainFrame& frame, AppServices& services, std::string folder);

} // namespace torvane

#pragma once
#include "ui/commands/CommandEnabling.h"
#include <optional>
#include <string>

namespace torvane {

// What the main frame asks of the active project window: the state the
// enabling rules read, the Undo/Redo names, and the commands it carries out.
class ProjectCommands {
public:
    virtual ~ProjectCommands() = default;
    virtual CommandState commandState() const = 0;
    virtual std::optional<std::string> undoActionName() const = 0;
    virtual std::optional<std::string> redoActionName() const = 0;
    // False while the window is busy adding files, and for a command whose
    // dialog is not available in this build.
    virtual bool canRun(int id) const = 0;
    virtual void runCommand(int id) = 0;
    // The project file's full path.
    virtual std::string projectPath() const = 0;
    // F6 and Shift+F6: the keyboard focus goes to the other pane.
    virtual void focusOtherPane() = 0;
};

} // namespace torvane

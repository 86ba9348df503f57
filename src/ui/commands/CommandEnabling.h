#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// What the enabling rules look at: the counts that the two views keep after
// every refresh, which modeless dialogs are open, the fronts of the undo and
// redo queues, and whether any output is switched on.
struct CommandState {
    bool projectOpen = false;
    // Tree counts: files, URLs and locators; files; files, targets and URLs.
    int removableCount = 0;
    int selectedFileCount = 0;
    int targetCount = 0;
    // List counts.
    int selectedEntryCount = 0;
    bool allSelectedEqual = true;
    int selectedDefaultCount = 0;
    int selectedCrossRefCount = 0;
    // Open modeless dialogs.
    bool addFilesOpen = false;
    bool addUrlsOpen = false;
    bool addEntryOpen = false;
    bool crossRefOpen = false;
    bool undoAvailable = false;
    bool redoAvailable = false;
    bool anyOutputOn = false;
};

// Commands the main frame carries out itself, with or without a project.
bool isFrameCommand(int id);

// True when the command may run now. Commands that do not depend on a
// project (New, Open, Exit, the bars, help, preferences) are always enabled.
bool isCommandEnabled(int id, const CommandState& state);

// Menu texts of Undo and Redo: the name of the action at the queue's front,
// or the bare word when the queue is empty.
std::string undoItemText(std::optional<std::string_view> actionName);
std::string redoItemText(std::optional<std::string_view> actionName);

} // namespace torvane

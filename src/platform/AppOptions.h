#pragma once
#include "platform/Profile.h"
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The application's options in the profile section "Torvane Options".
inline constexpr std::string_view kOptionsSection = "Torvane Options";
inline constexpr std::string_view kValidExtensionsKey = "Valid Extensions";
inline constexpr std::string_view kUndoQueueSizeKey = "Undo Queue Size";
inline constexpr std::string_view kPromptTutorialKey = "Prompt Tutorial";
inline constexpr std::string_view kDefaultValidExtensions = "htm;html;asp";
inline constexpr int kDefaultUndoQueueSize = 8;

// " htm; asp ;;HTML;" -> {".htm", ".asp", ".HTML"}: every non-empty trimmed
// piece between semicolons with a dot put before it, letter case kept. Blank
// text gives the default list.
std::vector<std::string> parseValidExtensions(std::string_view stored);
// The stored form of a list: the names without their dots, joined with ";".
std::string joinValidExtensions(const std::vector<std::string>& extensions);
// Reads "Valid Extensions", writes its clean form back and returns the list.
std::vector<std::string> normaliseValidExtensions(Profile& profile);

int undoQueueSize(const Profile& profile);

bool shouldPromptTutorial(const Profile& profile);
// Once cleared, the tutorial is never offered at start-up again.
void clearPromptTutorial(Profile& profile);

// True when the raw command line carries the switch "/makeindex": the line is
// cut at every "/", empty pieces dropped, the first piece (the project file)
// skipped; any other piece matches when, without its trailing blanks and in
// lower case, it is "makeindex".
bool hasMakeIndexSwitch(std::string_view commandLine);

} // namespace torvane

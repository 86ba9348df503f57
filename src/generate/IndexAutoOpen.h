#pragma once
#include "platform/Profile.h"
#include "platform/ShellLauncher.h"
#include <string>

namespace torvane {

// The "Html Tools" settings that decide what opens a new HTML index.
struct AutoOpenSettings {
    std::string browser;  // empty: the application associated with the page
    std::string editor;
    int autoOpen = 0;     // 0 browser, 1 editor, anything else neither
};

// Reads "Browser" (default empty), "Editor" (default "Notepad") and
// "Auto-open" (default 0) from "Html Tools", program names without trailing blanks.
AutoOpenSettings readAutoOpenSettings(const Profile& profile);

// Opens the page just written in the browser or the editor chosen.
void autoOpenIndex(const std::string& pagePath, const AutoOpenSettings& settings, ShellLauncher& shell);

} // namespace torvane

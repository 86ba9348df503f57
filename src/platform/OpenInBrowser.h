#pragma once
#include "platform/ShellLauncher.h"
#include <string>

namespace torvane {

// Opens a page or URL in the browser the user named, or with the desktop's
// own opener when none is named.
void openInBrowser(const std::string& browser, const std::string& page, ShellLauncher& shell);

} // namespace torvane

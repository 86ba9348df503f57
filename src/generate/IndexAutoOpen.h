#pragma once
#include "platform/HtmlToolsSettings.h"
#include "platform/ShellLauncher.h"
#include <string>

namespace torvane {

// Opens the page just written in the browser or the editor chosen.
void autoOpenIndex(const std::string& pagePath, const HtmlToolsSettings& settings, ShellLauncher& shell);

} // namespace torvane

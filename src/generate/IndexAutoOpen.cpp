#include "generate/IndexAutoOpen.h"

namespace torvane {

void autoOpenIndex(const std::string& pagePath, const HtmlToolsSettings& settings, ShellLauncher& shell)
{
    if (settings.autoOpen == AutoOpen::Browser) {
        if (settings.browser.empty())
            shell.openDocument(pagePath);
        else
            shell.openWithProgram(settings.browser, pagePath);
    } else if (settings.autoOpen == AutoOpen::Editor && !settings.editor.empty()) {
        shell.openWithProgram(settings.editor, pagePath);
    }
}

} // namespace torvane

#include "generate/IndexAutoOpen.h"
#include "platform/OpenInBrowser.h"

namespace torvane {

void autoOpenIndex(const std::string& pagePath, const HtmlToolsSettings& settings, ShellLauncher& shell)
{
    if (settings.autoOpen == AutoOpen::Browser)
        openInBrowser(settings.browser, pagePath, shell);
    else if (settings.autoOpen == AutoOpen::Editor && !settings.editor.empty())
        shell.openWithProgram(settings.editor, pagePath);
}

} // namespace torvane

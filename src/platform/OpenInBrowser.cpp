#include "platform/OpenInBrowser.h"

namespace torvane {

void openInBrowser(const std::string& browser, const std::string& page, ShellLauncher& shell)
{
    if (browser.empty())
        shell.openDocument(page);
    else
        shell.openWithProgram(browser, page);
}

} // namespace torvane

#include "generate/IndexAutoOpen.h"
#include "platform/TextUtil.h"

namespace torvane {

AutoOpenSettings readAutoOpenSettings(const Profile& profile)
{
    AutoOpenSettings settings;
    settings.editor = std::string(trimRight(profile.readString("Html Tools", "Editor", "Notepad")));
    settings.browser = std::string(trimRight(profile.readString("Html Tools", "Browser", "")));
    settings.autoOpen = profile.readInt("Html Tools", "Auto-open", 0);
    return settings;
}

void autoOpenIndex(const std::string& pagePath, const AutoOpenSettings& settings, ShellLauncher& shell)
{
    if (settings.autoOpen == 0) {
        if (settings.browser.empty())
            shell.openDocument(pagePath);
        else
            shell.openWithProgram(settings.browser, pagePath);
    } else if (settings.autoOpen == 1 && !settings.editor.empty()) {
        shell.openWithProgram(settings.editor, pagePath);
    }
}

} // namespace torvane

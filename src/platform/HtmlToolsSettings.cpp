#include "platform/HtmlToolsSettings.h"
#include "platform/Profile.h"
#include "platform/TextUtil.h"

namespace torvane {

namespace {

constexpr std::string_view kSection = "Html Tools";

} // namespace

HtmlToolsSettings readHtmlToolsSettings(const Profile& profile)
{
    const HtmlToolsSettings defaults;
    HtmlToolsSettings settings;
    settings.browser = std::string(trimRight(profile.readString(kSection, "Browser", defaults.browser)));
    settings.editor = std::string(trimRight(profile.readString(kSection, "Editor", defaults.editor)));
    settings.autoOpen = profile.readInt(kSection, "Auto-open", defaults.autoOpen);
    return settings;
}

void writeHtmlToolsSettings(Profile& profile, const HtmlToolsSettings& settings)
{
    profile.writeString(kSection, "Editor", settings.editor);
    profile.writeString(kSection, "Browser", settings.browser);
    profile.writeInt(kSection, "Auto-open", settings.autoOpen);
}

} // namespace torvane

#pragma once
#include <string>

namespace torvane {

class Profile;

// What opens a new HTML index after Make Index, as "Auto-open" stores it;
// any other value opens nothing.
namespace AutoOpen {
inline constexpr int Browser = 0;
inline constexpr int Editor = 1;
inline constexpr int Neither = 2;
} // namespace AutoOpen

// The "Html Tools" settings: the programs that show and edit pages, and what
// opens a new index. An empty program, or the stored default "Notepad",
// means the desktop's own opener.
struct HtmlToolsSettings {
    std::string browser;
    std::string editor = "Notepad";
    int autoOpen = AutoOpen::Browser;
};

// Program names come without trailing blanks, as they are used to start programs.
HtmlToolsSettings readHtmlToolsSettings(const Profile& profile);
// Writes "Editor", "Browser" and "Auto-open", in that order.
void writeHtmlToolsSettings(Profile& profile, const HtmlToolsSettings& settings);

} // namespace torvane

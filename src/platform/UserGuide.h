#pragma once
#include <string>
#include <string_view>

namespace torvane {

// The program's help is the user guide: HTML pages shown in the browser.
// Help requests name a topic by its help context number, as the dialogs'
// F1 help always has; this file maps them to pages of the guide.

// Help context numbers: those of the entry and cross-reference dialogs, and
// for the other windows the help base of dialog resources (0x20000) plus the
// window's resource number.
enum HelpContext : int {
    HelpContents = 0,
    HelpAddIndexEntry = 131207,
    HelpEditIndexEntries = 131227,
    HelpCreateCrossReference = 131245,
    HelpEditCrossReference = 131246,
    HelpAddFiles = 0x20000 + 131,
    HelpSetFilenames = 0x20000 + 133,
    HelpAddExternalUrls = 0x20000 + 134,
    HelpAddFilesProgress = 0x20000 + 153,
    HelpSaveProjectProgress = 0x20000 + 154,
    HelpVersionDetails = 0x20000 + 160,
    HelpTutorialPrompt = 0x20000 + 161,
    HelpSetTargets = 0x20000 + 170,
    HelpStyleSheet = 0x20000 + 180,
    HelpHtmlTools = 0x20000 + 181,
    HelpReportFileErrors = 0x20000 + 182,
    HelpReportReadOnlyFiles = 0x20000 + 183,
    HelpAbout = 0x20000 + 184,
};

inline constexpr std::string_view kGuideContentsPage = "index.htm";
inline constexpr std::string_view kGuideTutorialPage = "tutorial.htm";

// The guide's page for a help context, with the anchor of its section
// ("entry-dialogs.htm#add-index-entry"); the contents page for a number
// without a topic of its own.
std::string guideTopic(int helpContext);

// The help context of a window by its title, as the windows are titled;
// HelpContents for any other window (the main window, a project window).
int helpContextOfWindow(std::string_view windowTitle);

// The section of the style settings page for the tab in front (0 to 6).
std::string styleSheetTopic(int pageIndex);

// Where the guide lies: installed, `installedDocFolder` (relative to the
// program's folder, as the build installs it) + "/guide"; or, for a program
// run from the build tree, the guide the build made beside it. Native, ending
// in "/"; empty when neither holds the guide's contents page.
std::string findUserGuide(const std::string& programFolder, std::string_view installedDocFolder);

// The documentation folder as the build installs it, relative to the
// installed program's folder ("../share/doc/torvane").
std::string_view installedDocFolder();

// A link a browser opens: "file://" + folder + topic, blanks as "%20".
std::string guideUrl(const std::string& guideFolder, std::string_view topic);

} // namespace torvane

#include "platform/UserGuide.h"
#include <array>
#include <filesystem>
#include <utility>

namespace torvane {

namespace {

struct Topic {
    int context;
    std::string_view page;
};

constexpr std::array kTopics {
    Topic {HelpAddIndexEntry, "entry-dialogs.htm#add-index-entry"},
    Topic {HelpEditIndexEntries, "entry-dialogs.htm#edit-index-entries"},
    Topic {HelpSetTargets, "entry-dialogs.htm#set-targets"},
    Topic {HelpCreateCrossReference, "cross-reference-dialog.htm#create-cross-reference"},
    Topic {HelpEditCrossReference, "cross-reference-dialog.htm#edit-cross-reference"},
    Topic {HelpAddFiles, "add-files.htm#add-files"},
    Topic {HelpAddExternalUrls, "add-files.htm#add-urls"},
    Topic {HelpAddFilesProgress, "add-files.htm#progress"},
    Topic {HelpSaveProjectProgress, "add-files.htm#progress"},
    Topic {HelpSetFilenames, "filenames.htm#set-filenames"},
    Topic {HelpStyleSheet, "style-settings.htm"},
    Topic {HelpHtmlTools, "program-settings.htm#html-tools"},
    Topic {HelpTutorialPrompt, "program-settings.htm#tutorial-prompt"},
    Topic {HelpAbout, "program-settings.htm#about"},
    Topic {HelpVersionDetails, "program-settings.htm#about"},
    Topic {HelpReportFileErrors, "troubleshooting.htm#report-file-errors"},
    Topic {HelpReportReadOnlyFiles, "troubleshooting.htm#report-read-only"},
};

// The windows' titles as the program sets them.
constexpr std::array<std::pair<std::string_view, int>, 18> kWindowTitles {{
    {"Add Index Entry to Selected Targets", HelpAddIndexEntry},
    {"Edit Selected Index Entries", HelpEditIndexEntries},
    {"Set Targets for Index Entry", HelpSetTargets},
    {"Create Cross-Reference", HelpCreateCrossReference},
    {"Edit Selected Cross-Reference", HelpEditCrossReference},
    {"Add Files to Project", HelpAddFiles},
    {"Add External URLs to Project", HelpAddExternalUrls},
    {"Add Files Progress", HelpAddFilesProgress},
    {"Save Project Progress", HelpSaveProjectProgress},
    {"Set Filenames", HelpSetFilenames},
    {"Project Style Settings", HelpStyleSheet},
    {"Default Style Settings", HelpStyleSheet},
    {"HTML Tools", HelpHtmlTools},
    {"Have you run the tutorial?", HelpTutorialPrompt},
    {"About HTML Torvane", HelpAbout},
    {"Version Details", HelpVersionDetails},
    {"Report File Errors", HelpReportFileErrors},
    {"Report Read-Only Files", HelpReportReadOnlyFiles},
}};

constexpr std::array<std::string_view, 7> kStyleSheetPages {
    "links-to-headings", "group-headings", "layout", "enhanced-content", "index-types", "css", "language-and-page",
};

bool holdsGuide(const std::filesystem::path& folder)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(folder / std::string(kGuideContentsPage), ignored);
}

} // namespace

std::string guideTopic(int helpContext)
{
    for (const Topic& topic : kTopics)
        if (topic.context == helpContext)
            return std::string(topic.page);
    return std::string(kGuideContentsPage);
}

int helpContextOfWindow(std::string_view windowTitle)
{
    for (const auto& [title, context] : kWindowTitles)
        if (title == windowTitle)
            return context;
    return HelpContents;
}

std::string styleSheetTopic(int pageIndex)
{
    if (pageIndex < 0 || pageIndex >= static_cast<int>(kStyleSheetPages.size()))
        return guideTopic(HelpStyleSheet);
    return guideTopic(HelpStyleSheet) + "#" + std::string(kStyleSheetPages[static_cast<std::size_t>(pageIndex)]);
}

std::string findUserGuide(const std::string& programFolder, std::string_view installedDocFolder)
{
    const std::filesystem::path program(programFolder);
    for (const std::filesystem::path& folder :
         {program / std::string(installedDocFolder) / "guide", program / "../../docs/guide"}) {
        if (holdsGuide(folder))
            return folder.lexically_normal().string() + "/";
    }
    return {};
}

std::string_view installedDocFolder()
{
    return TORVANE_DOCDIR_FROM_BINDIR;
}

std::string guideUrl(const std::string& guideFolder, std::string_view topic)
{
    std::string url = "file://";
    for (const char c : guideFolder + std::string(topic))
        url += c == ' ' ? std::string("%20") : std::string(1, c);
    return url;
}

} // namespace torvane

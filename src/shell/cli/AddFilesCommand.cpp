#include "document/CProjectDoc.h"
#include "document/PageLocations.h"
#include "document/PagesBelow.h"
#include "model/SourceFile.h"
#include "platform/AppServices.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"
#include <filesystem>
#include <map>
#include <ostream>

namespace torvane {

namespace {

namespace fs = std::filesystem;

// The pages a path names: the page itself, or every page below a folder.
// Tells why a path names none.
bool collectPages(const std::string& typed, EditContext& context, std::vector<std::string>& pages)
{
    const std::string& projectDirectory = context.document().projectDirectory();
    const std::string full = normalPagePath(typed, projectDirectory);
    std::error_code failed;
    const fs::file_status status = fs::status(full, failed);
    if (!isBelowProjectFolder(full, projectDirectory)) {
        context.tell(typed, notBelowProjectFolder(projectDirectory));
        return false;
    }
    if (fs::is_directory(status)) {
        std::vector<std::string> below = findPagesBelow(full, context.services().validExtensions);
        if (below.empty()) {
            context.tell(typed, "holds no page with a valid extension");
            return false;
        }
        pages.insert(pages.end(), below.begin(), below.end());
        return true;
    }
    if (!fs::is_regular_file(status)) {
        context.tell(typed, fs::exists(status) ? "not a regular file" : "does not exist");
        return false;
    }
    if (!hasValidExtension(fs::path(full).filename().string(), context.services().validExtensions)) {
        context.tell(typed, "does not have a valid extension for pages");
        return false;
    }
    pages.push_back(full);
    return true;
}

// A name the project file cannot list (it separates folders by backslashes
// and pages by lines), or a second name of a page listed or named already:
// two pages would overwrite each other's entries.
bool allStorable(EditContext& context, const std::vector<std::string>& pages)
{
    const std::string& projectDirectory = context.document().projectDirectory();
    const PageLocations locations(projectDirectory, context.document().root());
    std::map<FileIdentity, std::string> named;
    bool storable = true;
    for (const std::string& page : pages) {
        const std::string shown = page.substr(projectDirectory.size());
        if (shown.find_first_of("\\\r\n") != std::string::npos) {
            context.tell(shown, "a page name holding a backslash or a line break cannot be listed");
            storable = false;
            continue;
        }
        const PageLocations::Located located = locations.locate(page);
        if (const SourceFile* listed = locations.sameFileElsewhere(located)) {
            context.tell(shown, "another name of the listed page " + listed->relativeUrl());
            storable = false;
        } else if (located.facts.identity) {
            const auto [first, isNew] = named.try_emplace(*located.facts.identity, page);
            if (!isNew && first->second != page) {
                context.tell(shown, "another name of " + first->second.substr(projectDirectory.size()));
                storable = false;
            }
        }
    }
    return storable;
}

bool addFiles(EditContext& context, const CliArguments& arguments)
{
    const std::vector<std::string>& typedPaths = arguments.positionals;
    std::vector<std::string> pages;
    bool allFound = true;
    for (auto typed = typedPaths.begin() + 1; typed != typedPaths.end(); ++typed)
        allFound = collectPages(*typed, context, pages) && allFound;
    if (!allFound || !allStorable(context, pages))
        return false;
    context.document().addFiles(pages);
    context.placesChanged();
    return true;
}

} // namespace

Subcommand addFilesCommand()
{
    return {"add-files",
            "add-files PROJECT.ipj PATH...",
            "Adds pages to the project, as Add Files does, and saves it. A PATH relative to\n"
            "the project folder (or absolute) names a page or a folder, whose pages at every\n"
            "depth are added. Pages are files with a valid extension (the \"Valid Extensions\"\n"
            "option, by default htm, html and asp) below the project folder. Pages already in\n"
            "the project stay as they are. A second name of one file (a link) and a name\n"
            "holding a backslash or a line break are refused. Nothing is added when any PATH\n"
            "is refused (exit 1).\n",
            {kWaitOption},
            2,
            kAnyNumber,
            nullptr,
            false,
            addFiles};
}

} // namespace torvane

#include "document/CProjectDoc.h"
#include "document/PagesBelow.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"
#include <filesystem>
#include <ostream>

namespace torvane {

namespace {

namespace fs = std::filesystem;

// The pages a path names: the page itself, or every page below a folder.
// Tells on `err` why a path names none.
bool collectPages(const std::string& typed, const std::string& projectDirectory,
                  const std::vector<std::string>& validExtensions, std::vector<std::string>& pages, std::ostream& err)
{
    const fs::path given(typed);
    std::string full = (given.is_absolute() ? given : fs::path(projectDirectory) / given).lexically_normal().string();
    std::error_code failed;
    const fs::file_status status = fs::status(full, failed);
    if (fs::is_directory(status) && !full.ends_with('/'))
        full += '/';
    if (!full.starts_with(projectDirectory)) {
        err << "torvane: " << typed << " is not below the project folder " << projectDirectory << "\n";
        return false;
    }
    if (fs::is_directory(status)) {
        std::vector<std::string> below = findPagesBelow(full, validExtensions);
        if (below.empty()) {
            err << "torvane: " << typed << " holds no page with a valid extension\n";
            return false;
        }
        pages.insert(pages.end(), below.begin(), below.end());
        return true;
    }
    if (!fs::is_regular_file(status)) {
        err << "torvane: " << typed << (fs::exists(status) ? " is not a regular file\n" : " does not exist\n");
        return false;
    }
    if (!hasValidExtension(fs::path(full).filename().string(), validExtensions)) {
        err << "torvane: " << typed << " does not have a valid extension for pages\n";
        return false;
    }
    pages.push_back(full);
    return true;
}

int runAddFiles(const SubcommandCall& call)
{
    return runEdit(call, [&call](CliProject& project) {
        CProjectDoc& document = project.document();
        std::ostream& err = project.err();
        const std::vector<std::string>& arguments = call.arguments.positionals;
        const std::vector<std::string>& extensions = project.services().validExtensions;
        std::vector<std::string> pages;
        bool allFound = true;
        for (auto typed = arguments.begin() + 1; typed != arguments.end(); ++typed)
            allFound = collectPages(*typed, document.projectDirectory(), extensions, pages, err) && allFound;
        if (allFound)
            document.addFiles(pages);
        return allFound;
    });
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
            "the project stay as they are. Nothing is added when any PATH is refused (exit 1).\n",
            {kWaitOption},
            2,
            kAnyNumber,
            runAddFiles};
}

} // namespace torvane

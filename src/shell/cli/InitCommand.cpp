#include "document/CProjectDoc.h"
#include "document/PagesBelow.h"
#include "platform/AppServices.h"
#include "shell/cli/CliMessages.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/SubcommandList.h"
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace torvane {

namespace {

namespace fs = std::filesystem;

// Creates the project file empty, never replacing one: a new project starts
// as a project read from an empty file does, with the profile's defaults.
bool createEmptyFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

int runInit(const SubcommandCall& call)
{
    const std::vector<std::string>& arguments = call.arguments.positionals;
    std::error_code failed;
    const fs::path projectPath = fs::absolute(arguments[0], failed).lexically_normal();
    const std::string projectFolder = projectPath.parent_path().string() + "/";
    std::string folder =
        arguments.size() > 1 ? fs::absolute(arguments[1], failed).lexically_normal().string() : projectFolder;
    if (!folder.ends_with('/'))
        folder += '/';
    if (!fs::is_directory(folder, failed)) {
        tellProblem(call.err, call.name, arguments.size() > 1 ? arguments[1] : projectFolder, "not a folder");
        return ExitFailed;
    }
    if (!folder.starts_with(projectFolder)) {
        tellProblem(call.err, call.name, arguments[1], "not below the project folder " + projectFolder);
        return ExitFailed;
    }
    if (!createEmptyFile(projectPath.string())) {
        tellProblem(call.err, call.name, arguments[0],
                    fs::exists(projectPath, failed) ? "already exists" : "cannot be created");
        return ExitFailed;
    }
    CliProject project(call);
    bool made = project.open(projectPath.string());
    if (made) {
        const std::vector<std::string> pages = findPagesBelow(folder, project.services().validExtensions);
        if (!pages.empty())
            project.document().addFiles(pages);
        made = project.save();
    }
    if (!made) {
        fs::remove(projectPath, failed);
        project.tell(arguments[0], "the project was not made");
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace

Subcommand initCommand()
{
    return {"init",
            "init PROJECT.ipj [FOLDER]",
            "Makes a new project file with the style settings the profile keeps for new\n"
            "projects, and adds every page below FOLDER (the project's folder when not\n"
            "given), as Add Files does. FOLDER must be the project's folder or below it.\n"
            "An existing PROJECT.ipj is never replaced (exit 1).\n",
            {},
            1,
            2,
            runInit};
}

} // namespace torvane

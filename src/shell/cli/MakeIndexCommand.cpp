#include "document/ProjectLookup.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/ProjectIndex.h"
#include "shell/cli/SubcommandList.h"

namespace torvane {

namespace {

int runMakeIndex(const SubcommandCall& call)
{
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call);
    if (!project.open(path))
        return project.refuseOpen(path);
    Progress& progress = project.services().progress;
    const std::size_t pages = listedPages(project.document().root()).size();
    progress.begin("Making the index of " + std::to_string(pages) + (pages == 1 ? " page" : " pages"), 0, true);
    const bool written = makeProjectIndex(project.document(), project.services(), false);
    progress.end();
    return written ? ExitOk : ExitFailed;
}

} // namespace

Subcommand makeIndexCommand()
{
    return {"make-index",
            "make-index PROJECT.ipj",
            "Makes every index the project's style settings switch on (HTML index, HTML Help\n"
            "index, JavaHelp index and map) in the project's folder, as Make Index does in\n"
            "the desktop program, and opens nothing. The same as 'torvane PROJECT.ipj /makeindex',\n"
            "except that a project that cannot be opened exits with 2. Pages are not changed.\n"
            "Exit status: 0 every output written, 1 an output failed.\n",
            {},
            1,
            1,
            runMakeIndex};
}

} // namespace torvane

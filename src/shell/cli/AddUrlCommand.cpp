#include "document/CProjectDoc.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

int runAddUrl(const SubcommandCall& call)
{
    return runEdit(call, [&call](CliProject& project) {
        const std::vector<std::string>& arguments = call.arguments.positionals;
        for (auto typed = arguments.begin() + 1; typed != arguments.end(); ++typed) {
            if (!urlToAdd(*typed)) {
                project.err() << "torvane: a URL of blanks only cannot be added\n";
                return false;
            }
        }
        for (auto typed = arguments.begin() + 1; typed != arguments.end(); ++typed)
            project.document().addExternalUrl(*typed);
        return true;
    });
}

} // namespace

Subcommand addUrlCommand()
{
    return {"add-url",
            "add-url PROJECT.ipj URL...",
            "Adds each external URL to the project, as Add External URLs does (leading\n"
            "blanks and control characters are dropped; a URL already listed stays as it\n"
            "is), and saves the project. A URL of blanks only is refused (exit 1).\n",
            {kWaitOption},
            2,
            kAnyNumber,
            runAddUrl};
}

} // namespace torvane

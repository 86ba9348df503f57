#include "document/CProjectDoc.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

bool addUrl(EditContext& context, const CliArguments& arguments)
{
    const std::vector<std::string>& urls = arguments.positionals;
    for (auto typed = urls.begin() + 1; typed != urls.end(); ++typed) {
        const std::optional<std::string> url = urlToAdd(*typed);
        if (!url) {
            context.err() << "torvane: a URL of blanks only cannot be added\n";
            return false;
        }
        if (const std::string_view problem = urlStoreProblem(*url); !problem.empty()) {
            context.err() << "torvane: " << problem << "\n";
            return false;
        }
    }
    for (auto typed = urls.begin() + 1; typed != urls.end(); ++typed)
        context.document().addExternalUrl(*typed);
    context.placesChanged();
    return true;
}

} // namespace

Subcommand addUrlCommand()
{
    return {"add-url",
            "add-url PROJECT.ipj URL...",
            "Adds each external URL to the project, as Add External URLs does (leading\n"
            "blanks and control characters are dropped; a URL already listed stays as it\n"
            "is), and saves the project. A URL of blanks only is refused (exit 1).\n",
            {},
            2,
            kAnyNumber,
            nullptr,
            addUrl};
}

} // namespace torvane

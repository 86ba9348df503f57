#include "document/CProjectDoc.h"
#include "document/EntryValues.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

bool addUrl(EditContext& context, const CliArguments& arguments)
{
    const std::vector<std::string>& urls = arguments.positionals;
    bool allAddable = true;
    for (auto typed = urls.begin() + 1; typed != urls.end(); ++typed) {
        const std::optional<std::string> url = urlToAdd(*typed);
        const std::string_view problem = url ? urlStoreProblem(*url) : "a URL of blanks only cannot be added";
        if (!problem.empty())
            context.tell(*typed, problem);
        allAddable = allAddable && problem.empty();
    }
    if (!allAddable)
        return false;
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
            "is), and saves the project. A URL of blanks only, or one the project file could\n"
            "not give back as typed (a backslash at its end, a quotation mark at its start),\n"
            "is refused with the reason (exit 1), and then nothing is added.\n",
            {kWaitOption},
            2,
            kAnyNumber,
            nullptr,
            false,
            addUrl};
}

} // namespace torvane

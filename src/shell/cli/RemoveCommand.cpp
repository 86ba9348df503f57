#include "document/CProjectDoc.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"

namespace torvane {

namespace {

bool removePlaces(EditContext& context, const CliArguments& arguments)
{
    const bool removed = runSelectionEdit(context, arguments, false, &CProjectDoc::removeSelected);
    context.placesChanged();
    return removed;
}

} // namespace

Subcommand removeCommand()
{
    return {"remove",
            "remove PROJECT.ipj PAGE-OR-URL...",
            "Removes each listed page or external URL from the project, as Remove Files,\n"
            "URLs, and Locators does, and saves the project. The pages themselves stay on\n"
            "disk unchanged. Nothing is changed when any argument is not a listed page or\n"
            "URL (exit 1).\n",
            {kWaitOption},
            2,
            kAnyNumber,
            nullptr,
            false,
            removePlaces};
}

} // namespace torvane

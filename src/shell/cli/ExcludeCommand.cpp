#include "document/CProjectDoc.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"

namespace torvane {

namespace {

bool exclude(EditContext& context, const CliArguments& arguments)
{
    return runSelectionEdit(context, arguments, true, &CProjectDoc::excludeSelected);
}

} // namespace

Subcommand excludeCommand()
{
    return {"exclude",
            "exclude PROJECT.ipj TARGET...",
            "Excludes each TARGET from the index, as Exclude Targets does, and saves the\n"
            "project and the pages. TARGET is a listed page (path relative to the project\n"
            "folder, either separator), PAGE#ANCHOR, or a listed external URL. Nothing is\n"
            "changed when any TARGET is not in the project (exit 1).\n",
            {kWaitOption},
            2,
            kAnyNumber,
            nullptr,
            false,
            exclude};
}

} // namespace torvane

#include "document/CProjectDoc.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

int runStore(const SubcommandCall& call)
{
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call.err, call.showProgress);
    if (!project.open(path))
        return refuseProject(call.err, path);
    const std::string to = call.arguments.value("--to").value_or("");
    if (to != "project" && to != "pages")
        return refuseCommandLine(*findSubcommand("store"), "--to takes project or pages", call.err);
    const bool intoStore = to == "project";
    const bool cleanPages = call.arguments.has("--clean-pages");
    if (cleanPages && !intoStore)
        return refuseCommandLine(*findSubcommand("store"), "--clean-pages goes with --to project", call.err);
    if (!project.document().moveEntries(intoStore, cleanPages)) {
        call.err << "torvane store: nothing was changed\n";
        return ExitFailed;
    }
    if (intoStore)
        call.err << "torvane store: the entries are in " << project.document().entryStorePath() << "\n";
    return ExitOk;
}

} // namespace

Subcommand storeCommand()
{
    return {
        "store",
        "store PROJECT.ipj --to project|pages [--clean-pages]",
        "Moves the entries of the project's pages, and saves.\n"
        "  --to project   into one entry store beside the project file (PROJECT.entries,\n"
        "                 one line per entry); from then on no command writes into a\n"
        "                 page, and a generator may rebuild the pages freely.\n"
        "  --clean-pages  also takes the index comment blocks and Torvane's meta tags out\n"
        "                 of the pages (with --to project).\n"
        "  --to pages     back into the pages' index comment blocks; the store is removed.\n"
        "All files are written together: when any of them cannot be written, none is\n"
        "changed (exit 1).\n",
        {{"--to", true, "project|pages", "where the entries go: the entry store beside the project file, or the pages"},
         {"--clean-pages", false, {}, "also takes the index blocks and meta tags out of the pages"}},
        1,
        1,
        runStore};
}

} // namespace torvane

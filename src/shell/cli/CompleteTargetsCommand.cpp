#include "document/ProjectLookup.h"
#include "model/ExternalUrl.h"
#include "model/SourceFile.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

// What may stand for the argument being completed, named as the usage lines name it.
struct CompletedKind {
    bool anchors = false;
    bool urls = false;
};

std::optional<CompletedKind> completedKind(std::string_view name)
{
    if (name == "target")
        return CompletedKind {true, true};
    if (name == "page")
        return CompletedKind {false, false};
    if (name == "page-or-url")
        return CompletedKind {false, true};
    return std::nullopt;
}

int runCompleteTargets(const SubcommandCall& call)
{
    const std::string kindName = call.arguments.value("--kind").value_or("target");
    const std::optional<CompletedKind> kind = completedKind(kindName);
    if (!kind)
        return refuseCommandLine(*findSubcommand("complete-targets"), "unknown kind " + kindName, call.err);
    const std::string& path = call.arguments.positionals[0];
    const std::string prefix = call.arguments.positionals.size() > 1 ? call.arguments.positionals[1] : "";
    CliProject project(call.err, false, true);
    if (!project.open(path))
        return refuseProject(call.err, path);
    const auto offer = [&](const std::string& name) {
        if (name.starts_with(prefix))
            call.out << name << "\n";
    };
    for (const SourceFile* page : listedPages(project.document().root())) {
        const std::string pagePath = page->relativeUrl();
        offer(pagePath);
        if (kind->anchors) {
            for (const Target* target : page->targets())
                offer(pagePath + "#" + target->label());
        }
    }
    if (kind->urls) {
        for (const ExternalUrl* url : listedUrls(project.document().root()))
            offer(url->label());
    }
    return call.out.good() ? ExitOk : ExitFailed;
}

} // namespace

Subcommand completeTargetsCommand()
{
    return {"complete-targets",
            "complete-targets PROJECT.ipj [PREFIX] [--kind target|page|page-or-url]",
            "Lists the project's targets that begin with PREFIX, one a line, for the shell\n"
            "completions: its pages (paths relative to the project folder, \"/\" separators),\n"
            "their anchors (PAGE#ANCHOR) and its external URLs. --kind page lists the pages\n"
            "alone, --kind page-or-url the pages and the URLs. No page is changed.\n",
            {{"--kind", true, "target|page|page-or-url", "what is listed (default: target)"}},
            1,
            2,
            runCompleteTargets,
            true};
}

} // namespace torvane

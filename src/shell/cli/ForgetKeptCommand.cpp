#include "document/CProjectDoc.h"
#include "document/PageFindings.h"
#include "document/ProjectLookup.h"
#include "model/SourceFile.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"
#include <optional>
#include <ostream>

namespace torvane {

namespace {

// The pages named after the project file, or every listed page when none is
// named; nothing after telling each name that is not a listed page.
std::optional<std::vector<SourceFile*>> namedPages(EditContext& context, const std::vector<std::string>& arguments)
{
    if (arguments.size() == 1)
        return listedPages(context.document().root());
    std::vector<SourceFile*> pages;
    bool allFound = true;
    for (auto name = arguments.begin() + 1; name != arguments.end(); ++name) {
        if (SourceFile* page = context.lookup().findPage(*name)) {
            pages.push_back(page);
        } else {
            context.tell(*name, "not a listed page");
            allFound = false;
        }
    }
    if (!allFound)
        return std::nullopt;
    return pages;
}

// Lists the kept entries of the named pages on `out`, one line per old
// target, and unless `--dry-run` drops them so that the next save writes
// the pages without them.
bool forgetKept(EditContext& context, const CliArguments& arguments)
{
    const auto pages = namedPages(context, arguments.positionals);
    if (!pages)
        return false;
    const bool forget = !arguments.has("--dry-run");
    for (SourceFile* page : *pages) {
        if (page->keptTargets().empty())
            continue;
        std::vector<PageFinding> findings;
        addPageFindings(*page, findings);
        for (const PageFinding& finding : findings)
            if (finding.kind == PageFindingKind::KeptEntries)
                context.out() << findingLine(finding) << "\n";
        if (forget) {
            page->dropKeptTargets();
            page->setModified(true);
        }
    }
    return true;
}

int runForgetKept(const SubcommandCall& call)
{
    if (!call.arguments.has("--dry-run"))
        return runEdit(call, forgetKept);
    CliProject project(call);
    const std::string& path = call.arguments.positionals[0];
    if (!project.open(path))
        return project.refuseOpen(path);
    EditContext context(project, call.out, call.err, call.name);
    return forgetKept(context, call.arguments) ? ExitOk : ExitFailed;
}

} // namespace

Subcommand forgetKeptCommand()
{
    return {"forget-kept",
            "forget-kept PROJECT.ipj [PAGE...] [--dry-run]",
            "Removes from each PAGE (every listed page when none is given) the entries its\n"
            "index comment block keeps for anchors the page no longer has, and saves the\n"
            "project and those pages. Each old anchor is listed on standard output with its\n"
            "entries, as the report after loading shows them. PAGE is a listed page, its\n"
            "path relative to the project folder (either separator). Nothing is changed\n"
            "when any PAGE is not listed (exit 1).\n"
            "  --dry-run  only lists the kept entries; nothing is changed.\n",
            {kWaitOption, {"--dry-run", false, {}, "only lists the kept entries; nothing is changed"}},
            1,
            kAnyNumber,
            runForgetKept,
            false,
            forgetKept};
}

} // namespace torvane

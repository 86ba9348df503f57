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
std::optional<std::vector<SourceFile*>> namedPages(CliProject& project, const std::vector<std::string>& arguments)
{
    CProjectDoc& document = project.document();
    if (arguments.size() == 1)
        return listedPages(document.root());
    std::vector<SourceFile*> pages;
    bool allFound = true;
    for (auto name = arguments.begin() + 1; name != arguments.end(); ++name) {
        if (SourceFile* page = findPage(document.root(), *name)) {
            pages.push_back(page);
        } else {
            project.tell(*name, "not a listed page");
            allFound = false;
        }
    }
    if (!allFound)
        return std::nullopt;
    return pages;
}

// Lists the kept entries of `pages` on `out`, one line per old target, and
// with `forget` drops them so that the next save writes the pages without them.
void listKeptEntries(const std::vector<SourceFile*>& pages, bool forget, std::ostream& out)
{
    for (SourceFile* page : pages) {
        if (page->keptTargets().empty())
            continue;
        std::vector<PageFinding> findings;
        addPageFindings(*page, findings);
        for (const PageFinding& finding : findings)
            if (finding.kind == PageFindingKind::KeptEntries)
                out << findingLine(finding) << "\n";
        if (forget) {
            page->dropKeptTargets();
            page->setModified(true);
        }
    }
}

int runForgetKept(const SubcommandCall& call)
{
    const std::vector<std::string>& arguments = call.arguments.positionals;
    if (call.arguments.has("--dry-run")) {
        CliProject project(call);
        if (!project.open(arguments[0]))
            return project.refuseOpen(arguments[0]);
        const auto pages = namedPages(project, arguments);
        if (!pages)
            return ExitFailed;
        listKeptEntries(*pages, false, call.out);
        return ExitOk;
    }
    return runEdit(call, [&](CliProject& project) {
        const auto pages = namedPages(project, arguments);
        if (!pages)
            return false;
        listKeptEntries(*pages, true, call.out);
        return true;
    });
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
            runForgetKept};
}

} // namespace torvane

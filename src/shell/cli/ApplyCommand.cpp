#include "shell/cli/CliMessages.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/EditBatch.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/SubcommandList.h"
#include <fstream>
#include <iostream>

namespace torvane {

namespace {

int runApply(const SubcommandCall& call)
{
    const std::vector<std::string>& arguments = call.arguments.positionals;
    const std::string source = arguments.size() > 1 ? arguments[1] : "-";
    std::ifstream file;
    if (source != "-") {
        file.open(source, std::ios::binary);
        if (!file) {
            tellProblem(call.err, call.name, source, "cannot be read");
            return ExitUnusable;
        }
    }
    CliProject project(call);
    if (const std::optional<int> refused = project.lockForEdit(call, arguments[0]))
        return *refused;
    if (!project.open(arguments[0]))
        return project.refuseOpen(arguments[0]);
    EditContext context(project, call.out, call.err, call.name);
    const std::vector<BatchRefusal> refusals =
        runEditLines(context, arguments[0], source == "-" ? std::cin : static_cast<std::istream&>(file));
    for (const BatchRefusal& refusal : refusals)
        project.tell("line " + std::to_string(refusal.line), refusal.reason);
    return saveUnlessRefused(project, call, !refusals.empty());
}

} // namespace

Subcommand applyCommand()
{
    return {"apply",
            "apply PROJECT.ipj [FILE|-] [--dry-run]",
            "Makes a batch of edits, read as JSON Lines from FILE (standard input when it is\n"
            "\"-\" or not given), and saves the project and the changed pages once.\n"
            "\n"
            "Each line is one edit, named like the subcommand that makes it, with the field\n"
            "names of export:\n"
            "  {\"op\": \"add-entry\", \"target\": T, \"indexAs\": E, \"sortAs\": S, \"helpAs\": H,\n"
            "   \"helpTitle\": T, \"indexTarget\": U, \"helpWindow\": W, \"helpFrame\": F}\n"
            "  {\"op\": \"exclude\", \"target\": T}            {\"op\": \"remove\", \"target\": T}\n"
            "  {\"op\": \"add-files\", \"paths\": [P, ...]}     {\"op\": \"add-url\", \"url\": U}\n"
            "  {\"op\": \"add-xref\", \"heading\": H, \"locator\": L, \"headingSort\": S,\n"
            "   \"locatorSort\": S, \"separator\": S, \"reference\": R, \"linkToLocator\": B}\n"
            "  {\"op\": \"forget-kept\", \"pages\": [P, ...]}\n"
            "A target, url or paths field may also hold an array of several. Values are\n"
            "typed as for the subcommand, which checks them as it does; fields not given\n"
            "take its defaults. Blank lines are passed over.\n"
            "\n"
            "When any line is refused (not JSON, an unknown op or field, a missing field,\n"
            "a refused value, a target not in the project) nothing is written: each refused\n"
            "line is listed by its number with the reason (exit 1).\n"
            "  --dry-run  checks every line; nothing is written.\n",
            {kWaitOption, {"--dry-run", false, {}, "checks every line; nothing is written"}},
            1,
            2,
            runApply};
}

} // namespace torvane

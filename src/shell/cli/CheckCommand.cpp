#include "document/IndexCheck.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/JsonText.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

FindingSeverity shownSeverity(const IndexFinding& finding, bool strict)
{
    return strict ? FindingSeverity::Error : finding.severity;
}

void writeJson(const IndexCheckReport& report, bool strict, std::ostream& out)
{
    out << "[";
    const char* separator = "\n";
    for (const IndexFinding& finding : report.findings) {
        out << separator << "  {\"kind\": " << jsonString(finding.kind)
            << ", \"severity\": " << jsonString(severityName(shownSeverity(finding, strict)))
            << ", \"page\": " << jsonString(finding.page) << ", \"target\": " << jsonString(finding.target)
            << ", \"entry\": " << jsonString(finding.entry) << ", \"message\": " << jsonString(finding.message) << "}";
        separator = ",\n";
    }
    out << (report.findings.empty() ? "]\n" : "\n]\n");
}

void writeLines(const IndexCheckReport& report, bool strict, const std::string& projectName, std::ostream& out)
{
    for (const IndexFinding& finding : report.findings)
        out << findingPlace(finding, projectName) << ": " << finding.kind << ": " << finding.message << "\n";
    out << "coverage: " << coverageText(report) << "\n" << countsText(report, strict) << "\n";
}

int runCheck(const SubcommandCall& call)
{
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call, true);
    if (!project.open(path))
        return project.refuseOpen(path);
    const IndexCheckReport report = checkIndex(project.document());
    const bool strict = call.arguments.has("--strict");
    if (call.arguments.has("--json"))
        writeJson(report, strict, call.out);
    else
        writeLines(report, strict, project.document().title(), call.out);
    return report.hasErrors(strict) ? ExitFailed : ExitOk;
}

std::string checkHelp()
{
    std::string help = "Opens the project as the desktop program does (no page is changed) and reports\n"
                       "what is wrong with its index, one line each:\n"
                       "    PAGE[#ANCHOR]: KIND: MESSAGE\n"
                       "(a URL, or the project file's name, stands for the page where no page is\n"
                       "concerned), then the share of pages that have entries of their own (an excluded\n"
                       "page counts as dealt with) and the number of errors and warnings.\n"
                       "\n"
                       "  --json    a JSON array instead, one object per finding with the keys \"kind\",\n"
                       "            \"severity\" (\"error\" or \"warning\"), \"page\" (path below the project\n"
                       "            folder, \"/\" separators), \"target\" (\"#\" for the page itself, the anchor,\n"
                       "            or the URL), \"entry\" (the entry text or heading) and \"message\".\n"
                       "            Text that is not UTF-8 is shown one character per byte.\n"
                       "  --strict  warnings count as errors (and are shown as errors).\n"
                       "\n"
                       "Kinds (stable identifiers):\n";
    for (const FindingKind& kind : findingKinds()) {
        std::string line = "  " + std::string(kind.id);
        line.resize(24, ' ');
        help += line + severityName(kind.severity) + ": " + kind.meaning + "\n";
    }
    return help + "\nExit status 1 when errors are found.\n";
}

} // namespace

Subcommand checkCommand()
{
    static const std::string help = checkHelp();
    return {"check",
            "check PROJECT.ipj [--json] [--strict]",
            help,
            {{"--json", false, {}, "a JSON array of the findings instead of lines"},
             {"--strict", false, {}, "warnings count as errors"}},
            1,
            1,
            runCheck};
}

} // namespace torvane

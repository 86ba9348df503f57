#include "document/FindingFilter.h"
#include "document/FindingLines.h"
#include "document/IndexCheck.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/FindingOutput.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

using FindingWriter = void (*)(const FindingOutput& output, std::ostream& out);

struct NamedWriter {
    std::string_view name;
    FindingWriter write;
};

constexpr NamedWriter kWriters[] = {{"text", writeFindingsText},
                                    {"json", writeFindingsJson},
                                    {"github", writeFindingsGithub},
                                    {"sarif", writeFindingsSarif}};

FindingWriter writerNamed(std::string_view name)
{
    for (const NamedWriter& writer : kWriters) {
        if (writer.name == name)
            return writer.write;
    }
    return nullptr;
}

int runCheck(const SubcommandCall& call)
{
    const Subcommand& self = *findSubcommand("check");
    const bool legacyJson = call.arguments.has("--json");
    const FindingWriter write = writerNamed(call.arguments.value("--format").value_or("text"));
    if (!write)
        return refuseCommandLine(self, "unknown format " + *call.arguments.value("--format"), call.err);
    const std::string failOn = call.arguments.value("--fail-on").value_or("error");
    if (failOn != "error" && failOn != "warning")
        return refuseCommandLine(self, "--fail-on takes error or warning, not " + failOn, call.err);

    const std::string& path = call.arguments.positionals[0];
    CliProject project(call, true);
    if (!project.open(path))
        return project.refuseOpen(path);
    CProjectDoc& document = project.document();
    for (const std::string& problem : checkSettingProblems(document.styles().extensions.check))
        project.tell(path, problem);
    const IndexCheckReport report = checkIndex(document);
    const bool strict = call.arguments.has("--strict");
    FindingOutput output {report,
                          findingLines(document.projectDirectory(), report.findings),
                          strict,
                          document.title(),
                          document.projectDirectory(),
                          path};
    if (legacyJson)
        writeFindingsJsonArray(output, call.out);
    else
        write(output, call.out);
    const bool failOnWarnings = strict || failOn == "warning";
    return report.hasFindingsAtLeast(failOnWarnings ? FindingSeverity::Warning : FindingSeverity::Error) ? ExitFailed
                                                                                                         : ExitOk;
}

std::string checkHelp()
{
    std::string help = "Opens the project as the desktop program does (no page is changed) and reports\n"
                       "what is wrong with its index, one line each:\n"
                       "    PAGE[#ANCHOR]: KIND: MESSAGE\n"
                       "(a URL, or the project file's name, stands for the page where no page is\n"
                       "concerned), then the share of pages that have entries (on the page or on one of\n"
                       "its anchors; missing and unreadable pages count as without) and the number of\n"
                       "errors, warnings and findings the project lets stand.\n"
                       "\n"
                       "  --format F     text (the default); json: {\"formatVersion\": 1, \"counts\":\n"
                       "                 {\"error\", \"warning\", \"suppressed\"}, \"coverage\": {\"pages\",\n"
                       "                 \"pagesWithEntries\"}, \"findings\": [{\"kind\", \"severity\", \"page\",\n"
                       "                 \"target\", \"entry\", \"message\", \"line\"}]}, \"line\" being the line\n"
                       "                 of the page's index block where the target's entries are (0 for\n"
                       "                 none); github: GitHub Actions workflow commands\n"
                       "                 (::error file=F,line=N,title=KIND::MESSAGE); sarif: a SARIF 2.1.0\n"
                       "                 log, one rule per kind. Files are named relative to the working\n"
                       "                 folder in github and sarif, relative to the project folder else.\n"
                       "  --json         the first JSON form: an array of the findings without lines.\n"
                       "  --strict       warnings count as errors (and are shown as errors).\n"
                       "  --fail-on L    error (the default): exit 1 when errors are found; warning:\n"
                       "                 also when warnings are found.\n"
                       "Text that is not UTF-8 is read as windows-1252 in JSON and SARIF.\n"
                       "\n"
                       "The project file may set a kind's severity and let single findings stand, in\n"
                       "its [Torvane Extensions] section (the desktop's Check Index window writes them):\n"
                       "    Check Severity likely-duplicate=off        (error, warning or off)\n"
                       "    Check Ignore=KIND|PAGE|TARGET|ENTRY|REASON  (a \\ before | or \\ in a field)\n"
                       "    Check Max Locators=10                       (for many-locators)\n"
                       "\n"
                       "Kinds (stable identifiers) and their own severity:\n";
    for (const FindingKind& kind : findingKinds()) {
        std::string line = "  " + std::string(kind.id);
        line.resize(28, ' ');
        help += line + severityName(kind.severity) + ": " + kind.meaning + "\n";
    }
    return help + "\nExit status 1 when errors are found (or warnings, with --strict or --fail-on\nwarning).\n";
}

} // namespace

Subcommand checkCommand()
{
    static const std::string help = checkHelp();
    return {"check",
            "check PROJECT.ipj [--format text|json|github|sarif] [--strict] [--fail-on error|warning]",
            help,
            {{"--format", true, "text|json|github|sarif", "the form of the findings: lines, JSON, GitHub or SARIF"},
             {"--json", false, {}, "the first JSON form: an array of the findings"},
             {"--strict", false, {}, "warnings count as errors"},
             {"--fail-on", true, "error|warning", "what makes the exit status 1"}},
            1,
            1,
            runCheck};
}

} // namespace torvane

#include "shell/cli/FindingOutput.h"
#include "shell/cli/JsonText.h"
#include <filesystem>
#include <ostream>

namespace torvane {

namespace {

void writeFindingFields(const FindingOutput& output, const IndexFinding& finding, std::ostream& out)
{
    out << "{\"kind\": " << jsonString(finding.kind)
        << ", \"severity\": " << jsonString(severityName(output.shownSeverity(finding)))
        << ", \"page\": " << jsonString(finding.page) << ", \"target\": " << jsonString(finding.target)
        << ", \"entry\": " << jsonString(finding.entry) << ", \"message\": " << jsonString(finding.message);
}

std::size_t countShownAs(const FindingOutput& output, FindingSeverity severity)
{
    std::size_t count = 0;
    for (const IndexFinding& finding : output.report.findings)
        count += output.shownSeverity(finding) == severity ? 1 : 0;
    return count;
}

} // namespace

std::string FindingOutput::fileOf(const IndexFinding& finding) const
{
    namespace fs = std::filesystem;
    const fs::path file = finding.page.empty() ? fs::path(projectFile) : fs::path(projectDirectory) / finding.page;
    std::error_code failed;
    const fs::path here = fs::current_path(failed);
    const fs::path relative = fs::absolute(file, failed).lexically_normal().lexically_relative(here);
    return (failed || relative.empty() ? file : relative).generic_string();
}

void writeFindingsText(const FindingOutput& output, std::ostream& out)
{
    for (const IndexFinding& finding : output.report.findings)
        out << findingPlace(finding, output.projectName) << ": " << finding.kind << ": " << finding.message << "\n";
    out << "coverage: " << coverageText(output.report) << "\n" << countsText(output.report, output.strict) << "\n";
}

void writeFindingsJsonArray(const FindingOutput& output, std::ostream& out)
{
    out << "[";
    const char* separator = "\n  ";
    for (const IndexFinding& finding : output.report.findings) {
        out << separator;
        writeFindingFields(output, finding, out);
        out << "}";
        separator = ",\n  ";
    }
    out << (output.report.findings.empty() ? "]\n" : "\n]\n");
}

void writeFindingsJson(const FindingOutput& output, std::ostream& out)
{
    const IndexCheckReport& report = output.report;
    out << "{\"formatVersion\": 1,\n \"counts\": {\"error\": " << countShownAs(output, FindingSeverity::Error)
        << ", \"warning\": " << countShownAs(output, FindingSeverity::Warning)
        << ", \"suppressed\": " << report.suppressed << "},\n \"coverage\": {\"pages\": " << report.pagesChecked
        << ", \"pagesWithEntries\": " << report.pagesWithEntries << "},\n \"findings\": [";
    const char* separator = "\n  ";
    for (std::size_t i = 0; i < report.findings.size(); ++i) {
        out << separator;
        writeFindingFields(output, report.findings[i], out);
        out << ", \"line\": " << output.lines[i] << "}";
        separator = ",\n  ";
    }
    out << "]}\n";
}

} // namespace torvane

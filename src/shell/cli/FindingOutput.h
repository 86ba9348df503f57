#pragma once
#include "document/IndexFindings.h"
#include <iosfwd>
#include <string>
#include <vector>

namespace torvane {

// A check's findings with what each output form needs besides them.
struct FindingOutput {
    const IndexCheckReport& report;
    // The line of each finding in its page, 0 for none.
    std::vector<int> lines;
    // Warnings are shown as errors.
    bool strict = false;
    std::string projectName;
    // The project's folder and file as given on the command line, so that
    // paths are told relative to where the program was started.
    std::string projectDirectory;
    std::string projectFile;

    FindingSeverity shownSeverity(const IndexFinding& finding) const
    {
        return strict ? FindingSeverity::Error : finding.severity;
    }
    // The file a finding is in, relative to the working folder ("/" separated):
    // its page, or the project file for findings without one.
    std::string fileOf(const IndexFinding& finding) const;
};

// "PAGE[#ANCHOR]: KIND: MESSAGE" lines, then the coverage and the counts.
void writeFindingsText(const FindingOutput& output, std::ostream& out);
// The array of findings of the first JSON form, kept for the scripts that read it.
void writeFindingsJsonArray(const FindingOutput& output, std::ostream& out);
// {"formatVersion", "counts", "coverage", "findings"}.
void writeFindingsJson(const FindingOutput& output, std::ostream& out);
// GitHub Actions workflow commands, "::error file=F,line=N,title=KIND::MESSAGE".
void writeFindingsGithub(const FindingOutput& output, std::ostream& out);
// A SARIF 2.1.0 log: one rule per kind of finding, one result per finding.
void writeFindingsSarif(const FindingOutput& output, std::ostream& out);

} // namespace torvane

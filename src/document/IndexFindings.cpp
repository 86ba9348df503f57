#include "document/IndexFindings.h"

namespace torvane {

const std::vector<FindingKind>& findingKinds()
{
    using enum FindingSeverity;
    static const std::vector<FindingKind> kinds {
        {finding::kDeadCrossReference, Error, "a cross-reference whose locator matches no entry or heading"},
        {finding::kMissingPage, Error, "a listed page that does not exist"},
        {finding::kUnreadablePage, Error, "a listed page that cannot be read"},
        {finding::kOrphanedEntries, Error, "stored entries of an anchor the page no longer has"},
        {finding::kDamagedBlock, Error, "an index comment block that is damaged"},
        {finding::kCaseClash, Error, "two listed pages whose paths differ only in letter case"},
        {finding::kBadUrl, Error, "a listed external URL that is not a valid URL"},
        {finding::kBadIndexTarget, Error, "an entry whose IndexTarget is not a valid frame or window name"},
        {finding::kLikelyDuplicate, Warning,
         "entries at one level that differ only in letter case, blanks or punctuation"},
        {finding::kEmptySortKey, Warning, "an entry whose sort key is empty (it is left out of the index)"},
        {finding::kPageWithoutEntries, Warning, "a page with no entry of its own and none on its anchors"},
        {finding::kOutputHitsPage, Warning,
         "an index output (or a page of the HTML index) named like a listed page or the project file"},
    };
    return kinds;
}

FindingSeverity severityOf(std::string_view kind)
{
    for (const FindingKind& known : findingKinds()) {
        if (kind == known.id)
            return known.severity;
    }
    return FindingSeverity::Error;
}

const char* severityName(FindingSeverity severity)
{
    return severity == FindingSeverity::Error ? "error" : "warning";
}

bool IndexCheckReport::hasErrors(bool strict) const
{
    for (const IndexFinding& finding : findings) {
        if (strict || finding.severity == FindingSeverity::Error)
            return true;
    }
    return false;
}

std::string coverageText(const IndexCheckReport& report)
{
    const std::string counts =
        std::to_string(report.pagesWithEntries) + " of " + std::to_string(report.pagesChecked) + " pages have entries";
    // No page to count is no share at all, least of all a perfect one.
    if (report.pagesChecked == 0)
        return counts;
    return counts + " (" + std::to_string(report.pagesWithEntries * 100 / report.pagesChecked) + "%)";
}

std::string countsText(const IndexCheckReport& report, bool strict)
{
    std::size_t errors = 0;
    for (const IndexFinding& finding : report.findings)
        errors += strict || finding.severity == FindingSeverity::Error ? 1 : 0;
    return std::to_string(errors) + " errors, " + std::to_string(report.findings.size() - errors) + " warnings";
}

std::string findingPlace(const IndexFinding& finding, std::string_view projectName)
{
    if (finding.page.empty())
        return finding.target.empty() ? std::string(projectName) : finding.target;
    if (finding.target.empty() || finding.target == "#")
        return finding.page;
    return finding.page + "#" + finding.target;
}

} // namespace torvane

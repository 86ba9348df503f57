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
         "entries at one level that differ in one respect only: letter case, hyphens and punctuation, or a plural "
         "ending (names of code, options and what their anchors name count only as the same name)"},
        {finding::kEmptySortKey, Warning, "an entry whose sort key is empty (it is left out of the index)"},
        {finding::kPageWithoutEntries, Warning, "a page with no entry of its own and none on its anchors"},
        {finding::kOutputHitsPage, Warning,
         "an index output (or a page of the HTML index) named like a listed page or the project file"},
        {finding::kBadEntryMarkup, Warning,
         "an entry text that is not a well-formed HTML fragment (a bare \"<\", a tag left open)"},
        {finding::kSeeAlsoWithoutLocators, Warning,
         "a See also under a heading with no locators or subentries of its own (it should be See)"},
        {finding::kSeeWithLocators, Warning,
         "a See under a heading that has locators of its own (See also keeps them)"},
        {finding::kSingleSubentry, Off, "a heading with a single subentry (house style: off unless turned on)"},
        {finding::kManyLocators, Off,
         "a heading with more locators than Check Max Locators, 10 unless set (house style: off unless turned on)"},
        {finding::kDoublePostMismatch, Warning,
         "a double post (\"A, B\" and \"B, A\") whose two entries lead to different places"},
    };
    return kinds;
}

const FindingKind* findingKind(std::string_view id)
{
    for (const FindingKind& known : findingKinds()) {
        if (id == known.id)
            return &known;
    }
    return nullptr;
}

FindingSeverity severityOf(std::string_view kind)
{
    const FindingKind* known = findingKind(kind);
    return known ? known->severity : FindingSeverity::Error;
}

const char* severityName(FindingSeverity severity)
{
    switch (severity) {
    case FindingSeverity::Error:
        return "error";
    case FindingSeverity::Warning:
        return "warning";
    case FindingSeverity::Off:
        break;
    }
    return "off";
}

std::optional<FindingSeverity> severityNamed(std::string_view name)
{
    for (FindingSeverity severity : {FindingSeverity::Error, FindingSeverity::Warning, FindingSeverity::Off}) {
        if (name == severityName(severity))
            return severity;
    }
    return std::nullopt;
}

bool IndexCheckReport::hasErrors(bool strict) const
{
    for (const IndexFinding& finding : findings) {
        if (strict || finding.severity == FindingSeverity::Error)
            return true;
    }
    return false;
}

bool IndexCheckReport::hasFindingsAtLeast(FindingSeverity threshold) const
{
    for (const IndexFinding& finding : findings) {
        if (finding.severity == FindingSeverity::Error || threshold == FindingSeverity::Warning)
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
    std::string counts =
        std::to_string(errors) + " errors, " + std::to_string(report.findings.size() - errors) + " warnings";
    if (report.suppressed > 0)
        counts += ", " + std::to_string(report.suppressed) + " suppressed";
    return counts;
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

#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Off: the kind is not reported (a matter of house style, or turned off in the project).
enum class FindingSeverity { Error, Warning, Off };

// One problem of a project's index, named where a writer would look: the
// page (path below the project folder, "/" separators) and its target ("#"
// for the page itself, or the anchor); a URL is the target of a finding
// without a page. `entry` is the entry text (or heading) involved.
struct IndexFinding {
    std::string kind;
    FindingSeverity severity = FindingSeverity::Error;
    std::string page;
    std::string target;
    std::string entry;
    std::string message;
    // The sort text of the locator a cross-reference finding is filed under.
    std::string locator;

    bool operator==(const IndexFinding&) const = default;
};

// The kinds of finding. Their identifiers are stable: scripts match them.
struct FindingKind {
    const char* id;
    FindingSeverity severity;
    const char* meaning;
};
const std::vector<FindingKind>& findingKinds();
FindingSeverity severityOf(std::string_view kind);
const char* severityName(FindingSeverity severity);
// The severity named "error", "warning" or "off"; nothing for another name.
std::optional<FindingSeverity> severityNamed(std::string_view name);
// The kind's own description, or null for a kind the program does not make.
const FindingKind* findingKind(std::string_view id);

namespace finding {
inline constexpr const char* kDeadCrossReference = "xref-no-entry";
inline constexpr const char* kMissingPage = "page-missing";
inline constexpr const char* kUnreadablePage = "page-unreadable";
inline constexpr const char* kOrphanedEntries = "orphaned-entries";
inline constexpr const char* kDamagedBlock = "damaged-block";
inline constexpr const char* kCaseClash = "case-clash";
inline constexpr const char* kBadUrl = "bad-url";
inline constexpr const char* kBadIndexTarget = "bad-index-target";
inline constexpr const char* kLikelyDuplicate = "likely-duplicate";
inline constexpr const char* kEmptySortKey = "empty-sort-key";
inline constexpr const char* kPageWithoutEntries = "page-without-entries";
inline constexpr const char* kOutputHitsPage = "output-hits-page";
inline constexpr const char* kBadEntryMarkup = "bad-entry-markup";
inline constexpr const char* kSeeAlsoWithoutLocators = "see-also-without-locators";
inline constexpr const char* kSeeWithLocators = "see-with-locators";
inline constexpr const char* kSingleSubentry = "single-subentry";
inline constexpr const char* kManyLocators = "many-locators";
inline constexpr const char* kDoublePostMismatch = "double-post-mismatch";
} // namespace finding

// What a check of the whole project found, with the share of its readable
// pages that carry an entry of their own or on one of their anchors.
struct IndexCheckReport {
    std::vector<IndexFinding> findings;
    std::size_t pagesChecked = 0;
    std::size_t pagesWithEntries = 0;
    // Findings the project lets stand, left out of `findings`.
    std::size_t suppressed = 0;

    bool hasErrors(bool strict) const;
    // A finding at least as severe as `threshold` (Error: errors only; Warning: any).
    bool hasFindingsAtLeast(FindingSeverity threshold) const;
};

// "N of M pages have entries (P%)".
std::string coverageText(const IndexCheckReport& report);
// "E errors, W warnings", counting warnings as errors when `strict`, then
// ", S suppressed" when the project let findings stand.
std::string countsText(const IndexCheckReport& report, bool strict);

// The place of a finding as one line shows it: "page#anchor", the URL, or
// `projectName` for findings of the project as a whole.
std::string findingPlace(const IndexFinding& finding, std::string_view projectName);

} // namespace torvane

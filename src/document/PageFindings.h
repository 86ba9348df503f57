#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class ProjectRootNode;
class SourceFile;

// Why a UTF-16 page yields no targets and cannot be saved.
inline constexpr std::string_view kUtf16Problem =
    "The page is written in UTF-16, which cannot hold index entries; save it as UTF-8 to index it.";

// Why a save left a file as another program made it.
inline constexpr std::string_view kChangedOutsideProblem =
    "Another program changed the file since it was read, in ways that cannot be combined with the changes "
    "made here; it was left as the other program wrote it. Reopen the project and make the changes again.";

enum class PageFindingKind {
    // The page's block holds entries for a target the page no longer has;
    // they are kept under the old name until the user removes them.
    KeptEntries,
    // The page's block was damaged when read; the next save repairs it.
    DamagedBlock,
};

// One thing about a page's index block that the user should know.
struct PageFinding {
    std::string page; // full path of the page
    std::string oldTarget; // KeptEntries: the target name in the block
    std::vector<std::string> entries; // KeptEntries: each entry's IndexAs, as stored; none for an exclusion
    PageFindingKind kind = PageFindingKind::KeptEntries;
    std::string detail; // DamagedBlock: what was wrong
};

// Every finding of the project's pages, in tree order.
std::vector<PageFinding> pageFindings(ProjectRootNode& root);
// The findings of one page, appended.
void addPageFindings(const SourceFile& file, std::vector<PageFinding>& findings);

// One report line: the page, then the old target and its entries, or what
// was wrong with the block.
std::string findingLine(const PageFinding& finding);

} // namespace torvane

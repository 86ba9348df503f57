#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace torvane {

class ProjectRootNode;

// Pages, URLs and cross-reference locators, selected or in the whole project.
struct RemovalCounts {
    std::size_t pages = 0;
    std::size_t urls = 0;
    std::size_t locators = 0;

    std::size_t total() const { return pages + urls + locators; }
    bool operator==(const RemovalCounts&) const = default;
};

// More items than this in one removal are confirmed first.
inline constexpr std::size_t kRemovalHandful = 5;

// What Remove would take (the selected ones) and what the project holds.
RemovalCounts selectedRemovable(ProjectRootNode& root);
RemovalCounts projectRemovable(ProjectRootNode& root);

// The question asked before a removal that takes the whole project or more
// than a handful of items; none for a smaller one. URLs' entries and
// cross-references live only in the project file, so a save makes such a
// removal final.
std::optional<std::string> removalQuestion(const RemovalCounts& removing, const RemovalCounts& inProject);

} // namespace torvane

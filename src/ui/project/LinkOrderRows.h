#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace torvane {

class EntryRecord;
class ProjectNode;
class ProjectRootNode;

// The list's rows for the tree's selection in the Target URL column's
// ascending order (the order shownRows gives), found when asked for: the
// count comes from the records counted below each node, and a row is
// found by going down the tree, past the children before it. A million
// selected records then cost what the rows in view cost. Valid until the
// selection or the tree changes.
class LinkOrderRows {
public:
    // Null when some names would not sort apart in links: the caller sorts.
    static std::unique_ptr<LinkOrderRows> make(ProjectRootNode& root);

    std::size_t size() const { return references_.size() + local_.count + urls_.count; }
    EntryRecord& at(std::size_t row) const;
    // The row of a record of a selected node; none when it is not listed.
    std::optional<std::size_t> rowOf(const EntryRecord& record) const;
    // Whether both list the same rows, the tree not having changed between
    // them: what was measured of the selection is the same.
    bool sameRows(const LinkOrderRows& other) const;

private:
    // A node whose records are listed: all below it (`whole`, a selected
    // collapsed node) or only those of the selection below it.
    struct Span {
        ProjectNode* node = nullptr;
        bool whole = false;
        std::size_t count = 0;
        bool operator==(const Span&) const = default;
    };
    // A span's own records, sorted, then its children in link order, each
    // starting at its row within the span.
    struct Level {
        std::vector<EntryRecord*> own;
        std::vector<Span> children;
        std::vector<std::size_t> starts;
    };

    // Counts the span; false when some children would not sort apart.
    bool measure(Span& span);
    bool measureSpan(Span& span);
    Level makeLevel(const Span& span) const;
    const Level& levelOf(const Span& span) const;
    EntryRecord& recordIn(Span span, std::size_t row) const;
    // Where the rows of a node start within local_ or urls_, found going up.
    std::optional<std::size_t> startOf(const ProjectNode& node) const;

    std::vector<EntryRecord*> references_;
    Span local_;
    Span urls_;
    // For each URL row, the merged row it takes among the local ones.
    std::vector<std::size_t> urlRows_;
    // Every span measured, in the order measured.
    std::vector<Span> shape_;
    mutable std::unordered_map<const ProjectNode*, Level> levels_;
    mutable std::unordered_map<const ProjectNode*, std::size_t> starts_;
};

} // namespace torvane

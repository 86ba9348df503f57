#pragma once

namespace torvane {

class CrossReference;
class IndexEntry;
class ProjectNode;

// Receives the nodes and records of a pre-order walk of the tree: a node
// before its own records, its records before its children.
class NodeVisitor {
public:
    virtual ~NodeVisitor() = default;
    virtual void visitNode(ProjectNode& node) {}
    virtual void visitEntry(IndexEntry& entry, ProjectNode& holder) {}
    virtual void visitCrossReference(CrossReference& reference, ProjectNode& locator) {}
    // False spares the walk the records of every holder and locator.
    virtual bool visitsRecords() const { return true; }
};

} // namespace torvane

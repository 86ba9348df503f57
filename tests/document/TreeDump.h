#pragma once
#include "model/CrossReference.h"
#include "model/EntryHolder.h"
#include "model/IndexEntry.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"

#include <string>

namespace torvane::test {

// A text of everything a project stores about its tree: nodes with their
// states, default entries, entries and cross-references, in walk order.
// With `withMarks` the modified marks of the files are part of it.
class TreeDump final : public NodeVisitor {
public:
    static std::string of(ProjectRootNode& root, bool withMarks = false)
    {
        TreeDump dump(withMarks);
        root.walk(dump);
        return dump.out_;
    }

    void visitNode(ProjectNode& node) override
    {
        out_ += "node " + std::to_string(node.kindBit()) + " [" + node.label() + "]";
        if (auto* holder = dynamic_cast<EntryHolder*>(&node)) {
            out_ += holder->isExcluded() ? " excluded" : "";
            out_ += holder->usesDefault() ? " default" : "";
            out_ += " default-entry{" + fields(*holder->defaultEntry()) + "}";
        }
        if (auto* file = dynamic_cast<SourceFile*>(&node)) {
            out_ += file->isMissing() ? " missing" : "";
            out_ += file->isUnreadable() ? " unreadable" : "";
            if (withMarks_)
                out_ += file->isModified() ? " modified" : "";
        }
        out_ += "\n";
    }
    void visitEntry(IndexEntry& entry, ProjectNode&) override { out_ += "  entry{" + fields(entry) + "}\n"; }
    void visitCrossReference(CrossReference& record, ProjectNode&) override
    {
        out_ += "  xref{" + record.heading() + "|" + record.headingSort() + "|" + record.separator() + "|" +
                record.reference() + "|" + record.locator() + "|" + record.locatorSort() + "|" +
                (record.linkToLocator() ? "1" : "0") + "}\n";
    }

private:
    explicit TreeDump(bool withMarks)
        : withMarks_(withMarks)
    {
    }

    static std::string fields(const IndexEntry& entry)
    {
        std::string text = std::to_string(static_cast<int>(entry.kind()));
        for (std::string_view field : {entry.indexAs(), entry.sortAs(), entry.helpAs(), entry.helpTitle(),
                                       entry.indexTarget(), entry.helpWindow(), entry.helpFrame()}) {
            text += '|';
            text += field;
        }
        return text;
    }

    bool withMarks_;
    std::string out_;
};

} // namespace torvane::test

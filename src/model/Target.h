#pragma once

#include "model/EntryHolder.h"

#include <string>
#include <string_view>

namespace torvane {

class SourceFile;

// A place in a source file: a named anchor, or any element with an id when
// the project takes those as targets. An element's target only offers its
// default entry: the writer made the anchors for the index, the generator
// made the ids for links.
class Target : public EntryHolder {
public:
    explicit Target(std::string name, bool fromId = false);
    Target(const Target& other, SourceFile* file);

    unsigned kindBit() const override { return NodeKindMask::Target; }
    SourceFile* file() const;
    bool isIdTarget() const { return offersDefaultOnly(); }

    std::string relativeUrl() const override;
    // The same, given its file's relativeUrl(): a caller going through many
    // targets of one file builds the file's part once.
    std::string relativeUrlInFile(std::string_view fileUrl) const;
    // Marks the target's file for rewriting.
    void setModified(bool modified) override;

protected:
    // Targets have no children.
    void walkChildren(NodeVisitor&) override {}
};

} // namespace torvane

#pragma once

#include "model/EntryHolder.h"

#include <string>
#include <string_view>

namespace torvane {

class SourceFile;

// A place in a source file: a named anchor or the page's heading/title text.
class Target : public EntryHolder {
public:
    explicit Target(std::string name);
    Target(const Target& other, SourceFile* file);

    unsigned kindBit() const override { return NodeKindMask::Target; }
    SourceFile* file() const;

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

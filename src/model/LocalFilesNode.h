#pragma once

#include "model/DirectoryNode.h"

#include <optional>

namespace torvane {

class SourceFile;

// The project directory. Its label is the directory as a native absolute
// path ending in "/". Full paths handed in are native; below the project
// directory "\\" is accepted as a separator as well, so that the stored
// relative form ("sub\\page.htm") appended to the directory resolves.
// Paths outside the directory land directly here, under their bare name;
// so does every path while no directory is set (empty label).
class LocalFilesNode : public DirectoryNode {
public:
    LocalFilesNode();

    unsigned kindBit() const override { return NodeKindMask::LocalFiles; }

    // Sets the label; a missing trailing "/" is added.
    void setProjectDirectory(std::string_view directory);
    const std::string& projectDirectory() const { return label(); }

    std::string fullPath() const override; // the project directory
    std::string relativePath() const override; // ""
    std::string relativeUrl() const override; // ""

    // The path is compared with the project directory without regard to
    // letter case.
    DirectoryNode& findOrCreateFolder(std::string_view path) override;
    SourceFile& findOrCreateFile(std::string_view path);
    // The file that findOrCreateFile would return, when it is there already.
    SourceFile* findFileAt(std::string_view path);

private:
    // The part of `path` below the project directory; nothing when the path
    // does not lead below it.
    std::optional<std::string_view> belowProjectDirectory(std::string_view path) const;
};

} // namespace torvane

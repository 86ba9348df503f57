#pragma once

#include "model/DirectoryNode.h"

namespace torvane {

// A subfolder of the project directory (label: one name, no separator).
class FolderNode : public DirectoryNode {
public:
    explicit FolderNode(std::string name);

    unsigned kindBit() const override { return NodeKindMask::Folder; }

    std::string fullPath() const override; // parent + name + "/"
    std::string relativePath() const override; // parent + name + "\\"
    std::string relativeUrl() const override; // parent + name + "/"

    DirectoryNode& findOrCreateFolder(std::string_view relative) override;
    void removeFromParent() override;

protected:
    void onEmptied() override;
};

} // namespace torvane

#include "model/FolderNode.h"

namespace torvane {

FolderNode::FolderNode(std::string name)
    : DirectoryNode(std::move(name))
{
}

std::string FolderNode::fullPath() const
{
    return (parent() ? parent()->fullPath() : std::string()) + label() + "/";
}

std::string FolderNode::relativePath() const
{
    return (parent() ? parent()->relativePath() : std::string()) + label() + "\\";
}

std::string FolderNode::relativeUrl() const
{
    return (parent() ? parent()->relativeUrl() : std::string()) + label() + "/";
}

DirectoryNode& FolderNode::findOrCreateFolder(std::string_view relative)
{
    return resolveRelativeFolder(relative);
}

void FolderNode::removeFromParent()
{
    if (auto* directory = static_cast<DirectoryNode*>(parent()))
        directory->removeFolder(this);
}

void FolderNode::onEmptied()
{
    removeFromParent();
}

} // namespace torvane

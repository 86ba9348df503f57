#include "model/LocalFilesNode.h"

#include "model/SourceFile.h"
#include "platform/TextUtil.h"

namespace torvane {

LocalFilesNode::LocalFilesNode() : DirectoryNode("")
{
}

LocalFilesNode::LocalFilesNode(const LocalFilesNode& other, ProjectNode* parent) : DirectoryNode(other, parent)
{
}

void LocalFilesNode::setProjectDirectory(std::string_view directory)
{
    std::string label(directory);
    if (label.empty() || label.back() != '/')
        label += '/';
    setLabel(std::move(label));
}

std::string LocalFilesNode::fullPath() const
{
    return label();
}

std::string LocalFilesNode::relativePath() const
{
    return {};
}

std::string LocalFilesNode::relativeUrl() const
{
    return {};
}

DirectoryNode& LocalFilesNode::findOrCreateFolder(std::string_view path)
{
    const std::string& directory = label();
    if (!directory.empty() && path.size() > directory.size() && startsWithNoCase(path, directory))
        return resolveRelativeFolder(path.substr(directory.size()));
    return *this;
}

SourceFile& LocalFilesNode::findOrCreateFile(std::string_view path)
{
    std::size_t split = path.size();
    while (split > 0 && !isPathSeparator(path[split - 1]))
        --split;
    return findOrCreateFolder(path.substr(0, split)).findOrCreateFileHere(path.substr(split));
}

}  // namespace torvane

#include "model/LocalFilesNode.h"

#include "model/SourceFile.h"
#include "platform/TextUtil.h"

namespace torvane {

LocalFilesNode::LocalFilesNode()
    : DirectoryNode("")
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

namespace {

// Where the file name of a path starts.
std::size_t fileNameStart(std::string_view path)
{
    std::size_t split = path.size();
    while (split > 0 && !isPathSeparator(path[split - 1]))
        --split;
    return split;
}

} // namespace

std::optional<std::string_view> LocalFilesNode::belowProjectDirectory(std::string_view path) const
{
    const std::string& directory = label();
    if (!directory.empty() && path.size() > directory.size() && startsWithNoCase(path, directory))
        return path.substr(directory.size());
    return std::nullopt;
}

DirectoryNode& LocalFilesNode::findOrCreateFolder(std::string_view path)
{
    if (const auto relative = belowProjectDirectory(path))
        return resolveRelativeFolder(*relative);
    return *this;
}

SourceFile& LocalFilesNode::findOrCreateFile(std::string_view path)
{
    const std::size_t split = fileNameStart(path);
    return findOrCreateFolder(path.substr(0, split)).findOrCreateFileHere(path.substr(split));
}

SourceFile* LocalFilesNode::findFileAt(std::string_view path)
{
    const std::size_t split = fileNameStart(path);
    const auto relative = belowProjectDirectory(path.substr(0, split));
    DirectoryNode* folder = relative ? findRelativeFolder(*relative) : this;
    return folder ? folder->findFile(path.substr(split)) : nullptr;
}

} // namespace torvane

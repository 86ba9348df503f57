#include "model/DirectoryNode.h"

#include "model/FolderNode.h"
#include "model/SourceFile.h"

namespace torvane {

bool isPathSeparator(char c)
{
    return c == '/' || c == '\\';
}

namespace {

// The first name of a relative path, separators skipped; `rest` is left
// holding what follows it. Empty when no name is left.
std::string_view nextPathName(std::string_view& rest)
{
    std::size_t start = 0;
    while (start < rest.size() && isPathSeparator(rest[start]))
        ++start;
    std::size_t end = start;
    while (end < rest.size() && !isPathSeparator(rest[end]))
        ++end;
    const std::string_view name = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return name;
}

} // namespace

DirectoryNode::DirectoryNode(std::string label)
    : ProjectNode(std::move(label), NodeIcon::Container)
    , folders_(KeyLess {KeyCompareMode::CaseInsensitiveThenExact})
    , files_(KeyLess {KeyCompareMode::CaseInsensitiveThenExact})
{
}

DirectoryNode::~DirectoryNode()
{
    // Children go first so that their items are released before this one's.
    files_.clear();
    folders_.clear();
}

FolderNode* DirectoryNode::findFolder(std::string_view name) const
{
    auto found = folders_.find(name);
    return found == folders_.end() ? nullptr : found->second.get();
}

SourceFile* DirectoryNode::findFile(std::string_view name) const
{
    auto found = files_.find(name);
    return found == files_.end() ? nullptr : found->second.get();
}

SourceFile& DirectoryNode::findOrCreateFileHere(std::string_view name)
{
    auto position = files_.lower_bound(name);
    if (position != files_.end() && !files_.key_comp()(name, position->first))
        return *position->second;
    auto file = std::make_unique<SourceFile>(std::string(name));
    SourceFile& created = *file;
    files_.emplace_hint(position, std::string(name), std::move(file));
    adoptChild(created);
    return created;
}

DirectoryNode& DirectoryNode::resolveRelativeFolder(std::string_view relative)
{
    DirectoryNode* at = this;
    for (std::string_view name = nextPathName(relative); !name.empty(); name = nextPathName(relative)) {
        FolderNode* folder = at->findFolder(name);
        if (!folder) {
            auto created = std::make_unique<FolderNode>(std::string(name));
            folder = created.get();
            at->folders_.emplace(std::string(name), std::move(created));
            at->adoptChild(*folder);
        }
        at = folder;
    }
    return *at;
}

DirectoryNode* DirectoryNode::findRelativeFolder(std::string_view relative)
{
    DirectoryNode* at = this;
    for (std::string_view name = nextPathName(relative); at && !name.empty(); name = nextPathName(relative))
        at = at->findFolder(name);
    return at;
}

void DirectoryNode::removeFolder(FolderNode* child)
{
    auto found = folders_.find(child->label());
    if (found == folders_.end() || found->second.get() != child)
        return;
    folders_.erase(found);
    if (isEmpty())
        onEmptied();
}

void DirectoryNode::removeFile(SourceFile* child)
{
    auto found = files_.find(child->label());
    if (found == files_.end() || found->second.get() != child)
        return;
    files_.erase(found);
    if (isEmpty())
        onEmptied();
}

std::unique_ptr<SourceFile> DirectoryNode::exchangeFile(std::string_view name, std::unique_ptr<SourceFile> incoming)
{
    std::unique_ptr<SourceFile> outgoing = exchangeChild(files_, name, std::move(incoming));
    if (isEmpty())
        onEmptied();
    return outgoing;
}

std::vector<FolderNode*> DirectoryNode::folders() const
{
    std::vector<FolderNode*> list;
    for (const auto& [name, folder] : folders_)
        list.push_back(folder.get());
    return list;
}

std::vector<SourceFile*> DirectoryNode::files() const
{
    std::vector<SourceFile*> list;
    for (const auto& [name, file] : files_)
        list.push_back(file.get());
    return list;
}

void DirectoryNode::forEachChild(const std::function<void(ProjectNode&)>& action)
{
    for (const auto& [name, folder] : folders_)
        action(*folder);
    for (const auto& [name, file] : files_)
        action(*file);
}

void DirectoryNode::walkChildren(NodeVisitor& visitor)
{
    for (const auto& [name, folder] : folders_)
        folder->walk(visitor);
    for (const auto& [name, file] : files_)
        file->walk(visitor);
}

ProjectNode* DirectoryNode::findChild(std::string_view label)
{
    if (ProjectNode* folder = findFolder(label); folder && folder->label() == label)
        return folder;
    if (ProjectNode* file = findFile(label); file && file->label() == label)
        return file;
    return nullptr;
}

} // namespace torvane

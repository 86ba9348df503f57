#pragma once

#include "model/KeyLess.h"
#include "model/ProjectNode.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class FolderNode;
class SourceFile;

// A directory of the project: subfolders and files, each keyed by name in
// case-insensitive order; names that differ only in letter case are two
// files, as they are on most file systems. Walks list subfolders before files.
class DirectoryNode : public ProjectNode {
public:
    ~DirectoryNode() override;

    // Finds or creates the folder for a path below this directory; "/" and
    // "\\" both separate names, empty names are skipped.
    virtual DirectoryNode& findOrCreateFolder(std::string_view path) = 0;

    FolderNode* findFolder(std::string_view name) const;
    SourceFile* findFile(std::string_view name) const;
    // A file directly in this directory.
    SourceFile& findOrCreateFileHere(std::string_view name);

    // Resolves a relative folder path: its first name is a subfolder (found
    // or created), the rest is resolved there.
    DirectoryNode& resolveRelativeFolder(std::string_view relative);
    // The same without creating anything; null when a folder is missing.
    DirectoryNode* findRelativeFolder(std::string_view relative);

    // Destroy the child; a folder left empty then removes itself.
    void removeFolder(FolderNode* child);
    void removeFile(SourceFile* child);
    // Puts `incoming` (may be null) in place of the file named `name` and
    // returns that file detached (null when there was none). A folder left
    // empty then removes itself.
    std::unique_ptr<SourceFile> exchangeFile(std::string_view name, std::unique_ptr<SourceFile> incoming);

    bool isEmpty() const { return folders_.empty() && files_.empty(); }
    std::vector<FolderNode*> folders() const;
    std::vector<SourceFile*> files() const;

    void forEachChild(const std::function<void(ProjectNode&)>& action) override;

    ProjectNode* findChild(std::string_view label) override;

protected:
    DirectoryNode(std::string label);

    // Called when the last child is gone.
    virtual void onEmptied() {}
    void walkChildren(NodeVisitor& visitor) override;

private:
    // Both ordered without regard to letter case, names differing in case kept apart.
    std::map<std::string, std::unique_ptr<FolderNode>, KeyLess> folders_;
    std::map<std::string, std::unique_ptr<SourceFile>, KeyLess> files_;
};

// True for the two path separators accepted in project paths.
bool isPathSeparator(char c);

} // namespace torvane

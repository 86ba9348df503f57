#pragma once

#include "model/CrossReference.h"
#include "model/ExternalUrlsNode.h"
#include "model/LocalFilesNode.h"
#include "model/LocatorsNode.h"
#include "model/ProjectNode.h"

#include <memory>
#include <string_view>
#include <vector>

namespace torvane {

class SourceFile;
class ExternalUrl;

// The root of one project's tree: the project directory, the external URLs
// and the cross-reference locators, plus the tree view's selection state
// (current node, current list row) and the items of destroyed nodes.
// Starts expanded.
class ProjectRootNode : public ProjectNode {
public:
    ProjectRootNode();
    ~ProjectRootNode() override;

    unsigned kindBit() const override { return NodeKindMask::Root; }

    LocalFilesNode& localFiles() { return *localFiles_; }
    const LocalFilesNode& localFiles() const { return *localFiles_; }
    ExternalUrlsNode& externalUrls() { return *externalUrls_; }
    const ExternalUrlsNode& externalUrls() const { return *externalUrls_; }
    LocatorsNode& locators() { return *locators_; }
    const LocatorsNode& locators() const { return *locators_; }

    void setProjectDirectory(std::string_view directory);
    const std::string& projectDirectory() const { return localFiles_->projectDirectory(); }
    SourceFile& findOrCreateFile(std::string_view fullPath);
    ExternalUrl& findOrCreateUrl(std::string_view url);
    CrossReference* addCrossReference(std::unique_ptr<CrossReference> reference);
    // Puts `incoming` in place of the locators and returns them detached.
    std::unique_ptr<LocatorsNode> exchangeLocators(std::unique_ptr<LocatorsNode> incoming);

    // The node with the tree's caret; never null (the root when nothing
    // else). A destroyed current node is replaced by the root.
    ProjectNode* currentNode() const { return current_; }
    void setCurrentNode(ProjectNode* node);
    // The list view's current row, -1 for none.
    int currentListRow() const { return currentListRow_; }
    void setCurrentListRow(int row) { currentListRow_ = row; }

    // A click (or arrow key) on `clicked` in the tree, with the modifier
    // keys held: clears list selection marks, then toggles (Ctrl), selects
    // a range (Shift) or selects `clicked` alone; `clicked` becomes current.
    void applyTreeSelection(ProjectNode& clicked, bool shift, bool ctrl);

    // Items of destroyed nodes, children before their parents; the tree
    // view deletes them from the control.
    const std::vector<TreeItem>& releasedTreeItems() const { return releasedItems_; }
    void clearReleasedTreeItems() { releasedItems_.clear(); }
    void releaseTreeItem(TreeItem item) override;
    // Deletes the released items from the control first, then inserts and
    // updates the items of the whole tree.
    TreeItem insertIntoTree(TreeControl& tree, TreeItem parentItem, TreeItem insertAfter) override;

    void forEachChild(const std::function<void(ProjectNode&)>& action) override;

protected:
    void forgetDestroyedNode(ProjectNode* node) override;

private:
    std::vector<TreeItem> releasedItems_;
    bool tearingDown_ = false;
    ProjectNode* current_ = this;
    int currentListRow_ = -1;
    std::unique_ptr<LocalFilesNode> localFiles_;
    std::unique_ptr<ExternalUrlsNode> externalUrls_;
    std::unique_ptr<LocatorsNode> locators_;
};

} // namespace torvane

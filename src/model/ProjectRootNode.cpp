#include "model/ProjectRootNode.h"

#include "model/IndexEntry.h"
#include "model/SourceFile.h"

#include <algorithm>
#include <utility>

namespace torvane {

namespace {

// The nodes in view, top to bottom: a range of them is what a Shift-click
// spans, and a collapsed node in it stands for everything below it.
void addShown(ProjectNode& node, std::vector<ProjectNode*>& nodes)
{
    nodes.push_back(&node);
    if (node.isExpanded())
        node.forEachChild([&nodes](ProjectNode& child) { addShown(child, nodes); });
}

std::vector<ProjectNode*> displayOrder(ProjectNode& root)
{
    std::vector<ProjectNode*> nodes;
    addShown(root, nodes);
    return nodes;
}

} // namespace

ProjectRootNode::ProjectRootNode()
    : ProjectNode("HTML Torvane project", NodeIcon::Container)
    , localFiles_(std::make_unique<LocalFilesNode>())
    , externalUrls_(std::make_unique<ExternalUrlsNode>())
    , locators_(std::make_unique<LocatorsNode>(this))
{
    adoptChild(*localFiles_);
    adoptChild(*externalUrls_);
    adoptChild(*locators_);
    setExpanded(true);
}

ProjectRootNode::~ProjectRootNode()
{
    // The whole tree goes: nothing needs to be released or forgotten.
    tearingDown_ = true;
    locators_.reset();
    externalUrls_.reset();
    localFiles_.reset();
}

void ProjectRootNode::setProjectDirectory(std::string_view directory)
{
    localFiles_->setProjectDirectory(directory);
}

SourceFile& ProjectRootNode::findOrCreateFile(std::string_view fullPath)
{
    return localFiles_->findOrCreateFile(fullPath);
}

ExternalUrl& ProjectRootNode::findOrCreateUrl(std::string_view url)
{
    return externalUrls_->findOrCreateUrl(url);
}

CrossReference* ProjectRootNode::addCrossReference(std::unique_ptr<CrossReference> reference)
{
    return locators_->addCrossReference(std::move(reference));
}

std::unique_ptr<LocatorsNode> ProjectRootNode::exchangeLocators(std::unique_ptr<LocatorsNode> incoming)
{
    std::unique_ptr<LocatorsNode> outgoing = std::exchange(locators_, std::move(incoming));
    outgoing->detach();
    adoptReplacement(*locators_, outgoing.get());
    return outgoing;
}

void ProjectRootNode::setCurrentNode(ProjectNode* node)
{
    current_ = node ? node : this;
}

void ProjectRootNode::applyTreeSelection(ProjectNode& clicked, bool shift, bool ctrl)
{
    // List marks belong to the rows shown; a new selection starts without.
    clearListMarks();

    if (ctrl) {
        clicked.setSelected(!clicked.isSelected());
    } else if (shift) {
        const std::vector<ProjectNode*> nodes = displayOrder(*this);
        const auto isSelected = [](const ProjectNode* node) { return node->isSelected(); };
        const auto first = std::find_if(nodes.begin(), nodes.end(), isSelected);
        if (first == nodes.end()) {
            clicked.setSelected(true);
        } else {
            const auto last = std::find_if(nodes.rbegin(), nodes.rend(), isSelected).base() - 1;
            const auto target = std::find(nodes.begin(), nodes.end(), &clicked);
            deselectAll();
            if (target != nodes.end()) {
                const auto from = target <= first ? target : first;
                const auto to = target <= first ? last : target;
                for (auto node = from; node <= to; ++node)
                    (*node)->setSelected(true);
            }
        }
    } else {
        // Only what was selected is visited: a click costs what it changes.
        deselectAll();
        clicked.setSelected(true);
    }
    setCurrentNode(&clicked);
}

void ProjectRootNode::releaseTreeItem(TreeItem item)
{
    if (!tearingDown_)
        releasedItems_.push_back(item);
}

void ProjectRootNode::forgetDestroyedNode(ProjectNode* node)
{
    if (!tearingDown_ && current_ == node)
        current_ = this;
}

TreeItem ProjectRootNode::insertIntoTree(TreeControl& tree, TreeItem parentItem, TreeItem insertAfter)
{
    for (TreeItem item : releasedItems_)
        tree.deleteItem(item);
    releasedItems_.clear();
    return ProjectNode::insertIntoTree(tree, parentItem, insertAfter);
}

void ProjectRootNode::forEachChild(const std::function<void(ProjectNode&)>& action)
{
    if (localFiles_)
        action(*localFiles_);
    if (externalUrls_)
        action(*externalUrls_);
    if (locators_)
        action(*locators_);
}

} // namespace torvane

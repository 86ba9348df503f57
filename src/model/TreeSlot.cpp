#include "model/TreeSlot.h"

#include "model/DirectoryNode.h"
#include "model/ExternalUrl.h"
#include "model/FolderNode.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"

#include <algorithm>
#include <stdexcept>

namespace torvane {

namespace {

template <typename Node>
std::unique_ptr<Node> as(std::unique_ptr<ProjectNode> node)
{
    if (node && !dynamic_cast<Node*>(node.get()))
        throw std::logic_error("a node of another kind for this place of the tree");
    return std::unique_ptr<Node>(static_cast<Node*>(node.release()));
}

bool isWithin(const ProjectNode* node, const ProjectNode& top)
{
    for (; node; node = node->parent())
        if (node == &top)
            return true;
    return false;
}

// The node below `other` reached by the labels that lead from `top` down to
// `node`; null when `other` has no such node.
ProjectNode* counterpart(ProjectNode& node, ProjectNode& top, ProjectNode* other)
{
    std::vector<const std::string*> labels;
    for (ProjectNode* at = &node; at != &top; at = at->parent())
        labels.push_back(&at->label());
    for (auto label = labels.rbegin(); other && label != labels.rend(); ++label) {
        ProjectNode* next = nullptr;
        other->forEachChild([&](ProjectNode& child) {
            if (!next && child.label() == **label)
                next = &child;
        });
        other = next;
    }
    return other;
}

std::unique_ptr<ProjectNode> exchangeFile(ProjectRootNode& root, const TreeSlot& slot,
                                          std::unique_ptr<ProjectNode> incoming)
{
    DirectoryNode* folder = &root.localFiles();
    for (const std::string& name : slot.folders) {
        if (!folder)
            break;
        folder = incoming ? &folder->resolveRelativeFolder(name) : folder->findFolder(name);
    }
    if (!folder)
        return nullptr;
    return folder->exchangeFile(slot.name, as<SourceFile>(std::move(incoming)));
}

} // namespace

ProjectNode* slotHolder(ProjectNode& node)
{
    switch (node.kindBit()) {
    case NodeKindMask::File:
    case NodeKindMask::Url:
    case NodeKindMask::Locators:
        return &node;
    case NodeKindMask::Target:
    case NodeKindMask::Locator:
        return node.parent();
    default:
        return nullptr;
    }
}

TreeSlot slotOf(ProjectNode& holder)
{
    TreeSlot slot;
    switch (holder.kindBit()) {
    case NodeKindMask::File:
        slot.name = holder.label();
        for (ProjectNode* folder = holder.parent(); folder && folder->kindBit() == NodeKindMask::Folder;
             folder = folder->parent())
            slot.folders.push_back(folder->label());
        std::reverse(slot.folders.begin(), slot.folders.end());
        break;
    case NodeKindMask::Url:
        slot.kind = TreeSlot::Kind::Url;
        slot.name = holder.label();
        break;
    default:
        slot.kind = TreeSlot::Kind::Locators;
        break;
    }
    return slot;
}

std::unique_ptr<ProjectNode> copyOfHolder(ProjectNode& holder)
{
    switch (holder.kindBit()) {
    case NodeKindMask::File:
        return std::make_unique<SourceFile>(static_cast<SourceFile&>(holder), nullptr);
    case NodeKindMask::Url:
        return std::make_unique<ExternalUrl>(static_cast<ExternalUrl&>(holder), nullptr);
    default: {
        auto& locators = static_cast<LocatorsNode&>(holder);
        return std::make_unique<LocatorsNode>(locators, locators.root());
    }
    }
}

std::unique_ptr<ProjectNode> exchangeAtSlot(ProjectRootNode& root, const TreeSlot& slot,
                                            std::unique_ptr<ProjectNode> incoming)
{
    ProjectNode* placed = incoming.get();
    std::unique_ptr<ProjectNode> outgoing;
    switch (slot.kind) {
    case TreeSlot::Kind::File:
        outgoing = exchangeFile(root, slot, std::move(incoming));
        break;
    case TreeSlot::Kind::Url:
        outgoing = root.externalUrls().exchangeUrl(slot.name, as<ExternalUrl>(std::move(incoming)));
        break;
    case TreeSlot::Kind::Locators:
        if (!incoming)
            throw std::logic_error("the locators cannot be taken out of the tree");
        outgoing = root.exchangeLocators(as<LocatorsNode>(std::move(incoming)));
        break;
    }
    if (outgoing && isWithin(root.currentNode(), *outgoing))
        root.setCurrentNode(counterpart(*root.currentNode(), *outgoing, placed));
    return outgoing;
}

} // namespace torvane

#include "model/LinkOrder.h"

#include "model/ProjectNode.h"

#include <algorithm>
#include <string_view>

namespace torvane {

namespace {

unsigned char lowered(char c)
{
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

char linkEnd(const ProjectNode& node)
{
    switch (node.kindBit()) {
    case NodeKindMask::Folder:
        return '/';
    case NodeKindMask::File:
        return '#';
    default:
        return '\0';
    }
}

// The order of two siblings' parts of the link, each followed by its end.
int compareLinkParts(std::string_view a, char endA, std::string_view b, char endB)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = lowered(a[i]);
        const unsigned char y = lowered(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    const unsigned char x = a.size() > common ? lowered(a[common]) : static_cast<unsigned char>(endA);
    const unsigned char y = b.size() > common ? lowered(b[common]) : static_cast<unsigned char>(endB);
    if (a.size() == b.size())
        return endA == endB ? 0 : (static_cast<unsigned char>(endA) < static_cast<unsigned char>(endB) ? -1 : 1);
    return x < y ? -1 : (x == y ? 0 : 1);
}

bool safeInLinks(const ProjectNode* child)
{
    const ProjectNode& node = *child;
    if (!(node.kindBit() & (NodeKindMask::Folder | NodeKindMask::File)))
        return true;
    return std::none_of(node.label().begin(), node.label().end(),
                        [](char c) { return static_cast<unsigned char>(c) <= '#'; });
}

bool linkLess(const ProjectNode* a, const ProjectNode* b)
{
    return compareLinkParts(a->label(), linkEnd(*a), b->label(), linkEnd(*b)) < 0;
}

} // namespace

bool putInLinkOrder(std::vector<ProjectNode*>& children)
{
    const auto notBefore = [](const ProjectNode* a, const ProjectNode* b) { return !linkLess(a, b); };
    if (std::adjacent_find(children.begin(), children.end(), notBefore) != children.end()) {
        std::stable_sort(children.begin(), children.end(), linkLess);
        if (std::adjacent_find(children.begin(), children.end(), notBefore) != children.end())
            return false;
    }
    return std::all_of(children.begin(), children.end(), safeInLinks);
}

} // namespace torvane

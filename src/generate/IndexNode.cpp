#include "generate/IndexNode.h"
#include <cstdio>

namespace torvane {

std::string nodeHeading(const IndexNode& node)
{
    std::size_t length = node.text.size();
    const IndexNode* top = &node;
    while (top->parent && top->parent->children.size() == 1) {
        top = top->parent;
        length += top->text.size() + 2;
    }
    std::string heading;
    heading.reserve(length);
    // Written from the outermost single-child ancestor down to the node.
    std::vector<const IndexNode*> chain;
    for (const IndexNode* n = &node; n != top; n = n->parent) chain.push_back(n);
    heading += top->text;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        heading += ", ";
        heading += (*it)->text;
    }
    return heading;
}

std::string_view nodeHeadingView(const IndexNode& node, std::string& joined)
{
    if (!node.parent || node.parent->children.size() != 1) return node.text;
    joined = nodeHeading(node);
    return joined;
}

std::string crossReferenceAnchorName(int anchorNumber)
{
    char name[32];
    std::snprintf(name, sizeof name, "TVXR%4.4d", anchorNumber);
    return name;
}

} // namespace torvane

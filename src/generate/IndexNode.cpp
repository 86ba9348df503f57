#include "generate/IndexNode.h"
#include <cstdio>

namespace torvane {

std::string nodeHeading(const IndexNode& node)
{
    std::size_t length = node.text().size();
    const IndexNode* top = &node;
    while (top->parent() && top->parent()->children().size() == 1) {
        top = top->parent();
        length += top->text().size() + 2;
    }
    // Filled from the node up to the outermost single-child ancestor, back to front.
    std::string heading(length, ' ');
    std::size_t end = length;
    for (const IndexNode* n = &node;; n = n->parent()) {
        end -= n->text().size();
        heading.replace(end, n->text().size(), n->text());
        if (n == top)
            break;
        end -= 2;
        heading.replace(end, 2, ", ");
    }
    return heading;
}

std::string_view nodeHeadingView(const IndexNode& node, std::string& joined)
{
    if (!node.parent() || node.parent()->children().size() != 1)
        return node.text();
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

#include "generate/ModernAnchors.h"
#include "platform/TextUtil.h"
#include <string>

namespace torvane {

namespace {

// A line's words as a locator names them: tags left out, letter case folded
// (ASCII, and the Latin letters of U+00C0 to U+00DE in UTF-8).
std::string namedText(std::string_view text)
{
    std::string folded;
    bool inTag = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<' || inTag) {
            inTag = c != '>';
            continue;
        }
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (static_cast<unsigned char>(c) == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) {
            folded += c;
            folded += static_cast<char>(next + 0x20);
            ++i;
            continue;
        }
        folded += asciiLower(c);
    }
    return folded;
}

} // namespace

bool ModernAnchors::isBarePlace(const IndexNode& node)
{
    return node.locators().empty() && node.crossReferences().empty() && node.children().empty();
}

ModernAnchors::ModernAnchors(std::span<IndexNode* const> topLevel)
{
    std::vector<const IndexNode*> level(topLevel.begin(), topLevel.end());
    placeAmong(level);
}

void ModernAnchors::placeAmong(const std::vector<const IndexNode*>& siblings)
{
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        const IndexNode& node = *siblings[i];
        if (!isBarePlace(node)) {
            if (node.anchorNumber)
                placed_.insert(node.anchorNumber);
            if (!node.children().empty())
                placeAmong({node.children().begin(), node.children().end()});
            continue;
        }
        // The line it names lies right before or after it, past other bare places.
        const std::string name = namedText(node.text());
        auto names = [&](const IndexNode* line) {
            return line->group == node.group && !line->anchorNumber && !moved_.count(line) &&
                   namedText(line->text()) == name;
        };
        std::size_t after = i + 1;
        while (after < siblings.size() && isBarePlace(*siblings[after]))
            ++after;
        std::size_t before = i;
        while (before > 0 && isBarePlace(*siblings[before - 1]))
            --before;
        const IndexNode* line = nullptr;
        if (after < siblings.size() && names(siblings[after]))
            line = siblings[after];
        else if (before > 0 && names(siblings[before - 1]))
            line = siblings[before - 1];
        if (line) {
            moved_[line] = node.anchorNumber;
            placed_.insert(node.anchorNumber);
        }
    }
}

int ModernAnchors::idOf(const IndexNode& node) const
{
    if (node.anchorNumber && !isBarePlace(node))
        return node.anchorNumber;
    const auto found = moved_.find(&node);
    return found == moved_.end() ? 0 : found->second;
}

} // namespace torvane

#pragma once
#include <cstddef>
#include <string_view>

namespace torvane {

// A place in the stripped text or the comment text; position -1 = not found.
struct TextSpan {
    std::ptrdiff_t position = -1;
    std::size_t length = 0;
    bool found() const { return position >= 0; }
};

// Where the rewriter replaces or inserts the meta tags and the index block.
struct InsertionPoints {
    TextSpan meta;              // existing generator meta tag(s)
    bool metaInComments = false; // meta lies in the comment text, not the stripped text
    TextSpan block;              // existing index comment block, in the comment text
    TextSpan headEnd;            // "</head>"; sought only when meta or block is missing
    TextSpan htmlTag;            // `html` start tag; sought only without a head end
    TextSpan doctype;            // document type declaration; only without an html tag
};

// Searches a page's stripped text and comment text as their search copies:
// letter case, tabs and line ends do not matter. Linear in the texts' size.
InsertionPoints findInsertionPoints(std::string_view strippedText, std::string_view commentText);

} // namespace torvane

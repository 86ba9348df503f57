#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace torvane {

// A place in the stripped text or the comment text; position -1 = not found.
struct TextSpan {
    std::ptrdiff_t position = -1;
    std::size_t length = 0;
    bool found() const { return position >= 0; }
};

// Where the rewriter replaces or inserts the meta tags and the index block.
struct InsertionPoints {
    TextSpan meta; // existing generator meta tag(s)
    bool metaInComments = false; // meta lies in the comment text, not the stripped text
    TextSpan block; // existing index comment block, in the comment text
    std::vector<TextSpan> extraBlocks; // further blocks, in the comment text: removed on save
    TextSpan headEnd; // "</head>"; sought only when meta or block is missing
    TextSpan htmlTag; // `html` start tag; sought only without a head end
    TextSpan doctype; // document type declaration; only without an html tag
    TextSpan charset; // meta tag declaring the charset; sought only without a head end
};

// Searches a page's stripped text and comment text as their search copies:
// letter case, tabs and line ends do not matter. Linear in the texts' size.
// A head end, html tag, doctype or charset tag that begins inside a tag left
// open (`<a</head>`), or that another tag cuts short (`<!doctype <h1>`), is
// no such thing: text put there would join a tag the page scan reads.
// `commentEnds` gives where each comment ends in the comment text: generator
// meta tags in comments are sought one comment at a time and never inside an
// index block, so that no two places overlap.
InsertionPoints findInsertionPoints(std::string_view strippedText, std::string_view commentText,
                                    const std::vector<std::size_t>& commentEnds = {});

} // namespace torvane

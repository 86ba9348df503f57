#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace torvane::bench {

// Shape of one generated documentation page. The same options and seed
// always give the same bytes.
struct PageOptions {
    std::uint64_t seed = 1;
    // Multiplies the body: sections, paragraphs and anchors (1 = about 80 KB
    // with about 230 named anchors).
    double scale = 1.0;
    // Line ends: CR LF or LF alone.
    bool crlf = true;
    // An index comment block and generator meta tags from an earlier save.
    bool withIndexBlock = true;
};

// A page with doctype, head and title, headings of several levels, named
// anchors (name= and id=, mixed case), links, nested comments, a comment
// element, and optionally an existing index block listing some anchors.
std::string generatePage(const PageOptions& options);

struct GeneratedPage {
    std::string relativePath; // stored project form, "\\" separators: "sec03\\sub01\\page00042.htm"
    std::filesystem::path fullPath;
};

// Writes `count` pages under `root` in a folder tree (about 40 pages per
// folder, two folder levels), creating folders as needed. Pages vary in size
// (0.5 to 1.5 times `scale`), line ends and whether they hold an index block;
// everything is derived from `seed`. Returns the pages in creation order.
std::vector<GeneratedPage> writePageTree(const std::filesystem::path& root, std::size_t count, std::uint64_t seed = 1,
                                         double scale = 1.0);

} // namespace torvane::bench

#pragma once
#include "generate/HtmlIndexPlan.h"
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The texts of the HTML index pages around their entries. Every line is
// appended with its CR LF.

inline constexpr std::string_view kHtmlEol = "\r\n";

enum class LinksBarForm { Top, Bottom };

// The bar of links to the group headings.
void appendLinksBar(std::string& out, const HtmlIndexPlan& plan, LinksBarForm form);

// The heading line of a group present on the page, or nothing when the group has none.
void appendGroupHeading(std::string& out, const HtmlIndexPlan& plan, char group);

// The link back to the top of the page.
void appendReturnLine(std::string& out, const StyleSettings& style);

// The targets a page offers, as listed in its index comment block.
struct PageTargets {
    bool symbols = false;
    bool numbers = false;
    char firstLetter = 0; // 0: no letters on the page
    char lastLetter = 0;
    std::vector<int> anchorNumbers; // ascending, no repeats
    std::vector<std::string> otherNames; // listed after the letters
};

// The block that marks an index page as holding no entries of its own.
void appendIndexCommentBlock(std::string& out, const PageTargets& targets);

// Everything of an index, content or group page before its body: the head,
// the body tag, the include file's text (given, may be empty), the top anchor,
// heading and links bar.
void appendPageOpening(std::string& out, const HtmlIndexPlan& plan, const PageTargets& targets,
                       std::string_view topInclude);
// Everything after the body: the bottom links bar, the bottom include file's text and the end tags.
void appendPageClosing(std::string& out, const HtmlIndexPlan& plan, std::string_view bottomInclude);

std::string framesetText(const HtmlIndexPlan& plan);
std::string navigationPageText(const HtmlIndexPlan& plan);

} // namespace torvane

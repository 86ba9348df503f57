#pragma once
#include "generate/HtmlIndexPlan.h"
#include "generate/TextDrain.h"
#include <string>
#include <vector>

namespace torvane {

// The groups one page holds: every group of the index, or one group's own page.
struct PageGroups {
    char group = 0; // 0: the whole index on one page

    bool holds(const HtmlIndexPlan& plan, char nodeGroup) const;
};

// The numbers of the cross-reference anchors placed on the page, ascending, without repeats.
std::vector<int> anchorNumbersOnPage(const HtmlIndexPlan& plan, PageGroups page);

// Writes the body of one page after the text in `out`: its top-level nodes
// with their group headings and return links, laid out in a table of
// `Columns` columns of about equal length that breaks only between groups
// (or, on a group's own page, between top-level nodes). A page without nodes
// gets no table. The text goes to `drain` a buffer at a time; what is left
// of it (less than one buffer's worth and the last node's lines) stays in `out`.
void writePageBody(std::string& out, const HtmlIndexPlan& plan, PageGroups page, TextDrain& drain);

} // namespace torvane

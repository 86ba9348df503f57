#include "generate/HtmlIndexBody.h"
#include "generate/HtmlIndexChrome.h"
#include "generate/HtmlIndexEntries.h"
#include <algorithm>
#include <cstring>

namespace torvane {

namespace {

// Places in the body where a column may break: before a group (its heading,
// or on a group page the entries below it) and before a top-level node.
struct BreakPlace {
    std::size_t offset;
    bool groupStart;
};

struct Insertion {
    std::size_t offset;
    std::string text;
};

std::size_t countLines(const std::string& text, std::size_t from, std::size_t to)
{
    return static_cast<std::size_t>(std::count(text.begin() + from, text.begin() + to, '\n'));
}

std::string cellStart(const HtmlIndexPlan& plan)
{
    std::string text = "  <TD ";
    if (!plan.style.longLinesWrap) text += "NOWRAP ";
    text += "WIDTH=\"" + std::to_string(100 / plan.columns()) + "%\" VALIGN=\"TOP\">\r\n\r\n";
    return text;
}

// The table markup that goes at each break place. A column ends at the
// first break place after each further share of the counted lines; a
// group counts one line, or two when return links separate the groups.
std::vector<Insertion> tableMarkup(const std::string& out, std::size_t bodyStart,
                                   const std::vector<BreakPlace>& places, const HtmlIndexPlan& plan)
{
    const std::size_t groupWeight = plan.style.returnLink != 0 ? 2 : 1;
    const auto groups = static_cast<std::size_t>(
        std::count_if(places.begin(), places.end(), [](const BreakPlace& p) { return p.groupStart; }));
    const std::size_t total = countLines(out, bodyStart, out.size()) + groups * groupWeight;
    const auto columns = static_cast<std::size_t>(plan.columns());
    const std::string cell = cellStart(plan);
    const std::string columnBreak = "\r\n  </TD>\r\n" + cell;

    std::vector<Insertion> insertions;
    std::size_t position = bodyStart, written = 0, limit = total;
    bool breakPending = false, firstGroup = true, tableOpen = false;
    for (const BreakPlace& place : places) {
        const std::size_t lines = countLines(out, position, place.offset);
        position = place.offset;
        written += lines;
        if (lines > 0 && limit / columns < written) breakPending = true;

        std::string text;
        const bool breakHere = breakPending && (place.groupStart || plan.separateFiles());
        if (place.groupStart && !tableOpen) {
            text += "\r\n  <TABLE WIDTH=\"100%\" BORDER=\"0\" COLS=\"" + std::to_string(plan.columns()) +
                    "\" RULES=\"NONE\">\r\n  <TR>\r\n" + cell;
            tableOpen = true;
        }
        if (breakHere) {
            text += columnBreak;
            limit += total;
            breakPending = false;
        } else if (place.groupStart && !firstGroup && plan.style.groupsRule) {
            text += "  <HR SIZE=\"2\">\r\n";
        }
        if (place.groupStart) {
            firstGroup = false;
            written += groupWeight;
        }
        if (!text.empty()) insertions.push_back({place.offset, std::move(text)});
    }
    return insertions;
}

// Moves every byte at most once: the body is shifted back from its end.
void insertAll(std::string& out, const std::vector<Insertion>& insertions)
{
    std::size_t extra = 0;
    for (const Insertion& insertion : insertions) extra += insertion.text.size();
    std::size_t sourceEnd = out.size();
    out.resize(out.size() + extra);
    std::size_t targetEnd = out.size();
    char* data = out.data();
    for (auto it = insertions.rbegin(); it != insertions.rend(); ++it) {
        const std::size_t length = sourceEnd - it->offset;
        std::memmove(data + targetEnd - length, data + it->offset, length);
        targetEnd -= length + it->text.size();
        std::memcpy(data + targetEnd, it->text.data(), it->text.size());
        sourceEnd = it->offset;
    }
}

void collectAnchors(const IndexNode& node, std::vector<int>& numbers)
{
    if (node.anchorNumber != 0) numbers.push_back(node.anchorNumber);
    for (const IndexNode* child : node.children) collectAnchors(*child, numbers);
}

} // namespace

bool PageGroups::holds(const HtmlIndexPlan& plan, char nodeGroup) const
{
    if (group != 0) return nodeGroup == group;
    if (nodeGroup == kSymbolsGroup || nodeGroup == kNumbersGroup) return plan.isPresent(nodeGroup);
    return nodeGroup >= plan.firstLetter && nodeGroup <= plan.lastLetter;
}

std::vector<int> anchorNumbersOnPage(const HtmlIndexPlan& plan, PageGroups page)
{
    std::vector<int> numbers;
    for (const IndexNode* node : plan.topLevel)
        if (page.holds(plan, pageGroupOf(*node))) collectAnchors(*node, numbers);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void appendPageBody(std::string& out, const HtmlIndexPlan& plan, PageGroups page)
{
    const std::size_t bodyStart = out.size();
    const bool returnLinks = plan.style.returnLink != 0;
    const bool separate = plan.separateFiles();
    std::vector<BreakPlace> places;
    bool anyNode = false;
    char previousGroup = 0;
    for (const IndexNode* node : plan.topLevel) {
        const char group = pageGroupOf(*node);
        if (!page.holds(plan, group)) continue;
        if (!anyNode || group != previousGroup) {
            if (anyNode && returnLinks) appendReturnLine(out, plan.style);
            if (!separate) places.push_back({out.size(), true});
            appendGroupHeading(out, plan, group);
            if (separate) places.push_back({out.size(), true});
            previousGroup = group;
        }
        anyNode = true;
        if (separate) places.push_back({out.size(), false});
        appendEntryLines(out, *node, plan.style);
    }
    // An index without letter entries still gets the heading its letter links lead to.
    const bool emptyLetterGroup = !plan.anyLetterPresent() && page.holds(plan, plan.firstLetter);
    if (!anyNode) {
        if (emptyLetterGroup) appendGroupHeading(out, plan, plan.firstLetter);
        return;
    }
    if (emptyLetterGroup) {
        if (returnLinks) appendReturnLine(out, plan.style);
        places.push_back({out.size(), true});
        appendGroupHeading(out, plan, plan.firstLetter);
    }
    if (returnLinks && (plan.style.linksPlacement != 1 || plan.columns() > 1)) appendReturnLine(out, plan.style);

    insertAll(out, tableMarkup(out, bodyStart, places, plan));
    out += "\r\n  </TD>\r\n  </TR>\r\n  </TABLE>\r\n\r\n";
}

} // namespace torvane

#include "generate/HtmlIndexBody.h"
#include "generate/HtmlIndexChrome.h"
#include "generate/HtmlIndexEntries.h"
#include <algorithm>
#include <string_view>

namespace torvane {

namespace {

constexpr std::size_t kSpillSize = 64 * 1024;

std::size_t countLines(std::string_view text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::string cellStart(const HtmlIndexPlan& plan)
{
    std::string text = "  <TD ";
    if (!plan.style.longLinesWrap)
        text += "NOWRAP ";
    text += "WIDTH=\"" + std::to_string(100 / plan.columns()) + "%\" VALIGN=\"TOP\">\r\n\r\n";
    return text;
}

// The body's text in the order it goes out, with the places where a column
// may break: before a group (its heading, or on a group page the entries
// below it) and before a top-level node. `pass` sees each place before the
// text that follows it, and may take the text out of `out` after each node.
// Returns whether the page holds any node.
template <typename Pass>
bool walkBody(std::string& out, const HtmlIndexPlan& plan, PageGroups page, Pass& pass)
{
    const bool returnLinks = plan.style.returnLink != ReturnLink::None;
    const bool separate = plan.separateFiles();
    bool anyNode = false;
    char previousGroup = 0;
    for (const IndexNode* node : plan.topLevel) {
        const char group = pageGroupOf(*node);
        if (!page.holds(plan, group))
            continue;
        if (!anyNode || group != previousGroup) {
            if (anyNode && returnLinks)
                appendReturnLine(out, plan.style);
            if (!separate)
                pass.place(out, true);
            appendGroupHeading(out, plan, group);
            if (separate)
                pass.place(out, true);
            previousGroup = group;
        }
        anyNode = true;
        if (separate)
            pass.place(out, false);
        appendEntryLines(out, *node, plan.style);
        pass.spill(out);
    }
    // An index without letter entries still gets the heading its letter links lead to.
    const bool emptyLetterGroup = !plan.anyLetterPresent() && page.holds(plan, plan.firstLetter);
    if (!anyNode) {
        if (emptyLetterGroup)
            appendGroupHeading(out, plan, plan.firstLetter);
        return false;
    }
    if (emptyLetterGroup) {
        if (returnLinks)
            appendReturnLine(out, plan.style);
        pass.place(out, true);
        appendGroupHeading(out, plan, plan.firstLetter);
    }
    if (returnLinks && (plan.style.linksPlacement != LinksPlacement::TopAndBottom || plan.columns() > 1))
        appendReturnLine(out, plan.style);
    return true;
}

// First pass: the lines before each break place, and in all.
class LineCount {
public:
    void place(std::string& out, bool groupStart)
    {
        spill(out, 0);
        linesBefore_.push_back(lines_);
        lines_ = 0;
        groups_ += groupStart ? 1 : 0;
    }
    void spill(std::string& out, std::size_t above = kSpillSize)
    {
        if (out.size() < above)
            return;
        lines_ += countLines(out);
        total_ += countLines(out);
        out.clear();
    }
    const std::vector<std::size_t>& linesBefore() const { return linesBefore_; }
    std::size_t lines() const { return total_; }
    std::size_t groups() const { return groups_; }

private:
    std::vector<std::size_t> linesBefore_;
    std::size_t lines_ = 0, total_ = 0, groups_ = 0;
};

// Second pass: the table markup put in at each break place. A column ends at
// the first break place after each further share of the counted lines; a
// group counts one line, or two when return links separate the groups.
class TableLayout {
public:
    TableLayout(const HtmlIndexPlan& plan, const LineCount& count, TextDrain& drain)
        : plan_(plan)
        , linesBefore_(count.linesBefore())
        , drain_(drain)
        , groupWeight_(plan.style.returnLink != ReturnLink::None ? 2 : 1)
        , total_(count.lines() + count.groups() * groupWeight_)
        , columns_(static_cast<std::size_t>(plan.columns()))
        , limit_(total_)
        , cell_(cellStart(plan))
    {
    }

    void place(std::string& out, bool groupStart)
    {
        const std::size_t lines = linesBefore_[next_++];
        written_ += lines;
        if (lines > 0 && limit_ / columns_ < written_)
            breakPending_ = true;
        const bool breakHere = breakPending_ && (groupStart || plan_.separateFiles());
        if (groupStart && !tableOpen_) {
            out += "\r\n  <TABLE WIDTH=\"100%\" BORDER=\"0\" COLS=\"" + std::to_string(plan_.columns()) +
                   "\" RULES=\"NONE\">\r\n  <TR>\r\n" + cell_;
            tableOpen_ = true;
        }
        if (breakHere) {
            out += "\r\n  </TD>\r\n";
            out += cell_;
            limit_ += total_;
            breakPending_ = false;
        } else if (groupStart && !firstGroup_ && plan_.style.groupsRule) {
            out += "  <HR SIZE=\"2\">\r\n";
        }
        if (groupStart) {
            firstGroup_ = false;
            written_ += groupWeight_;
        }
    }
    void spill(std::string& out)
    {
        if (out.size() < kSpillSize)
            return;
        drain_.take(out);
        out.clear();
    }

private:
    const HtmlIndexPlan& plan_;
    const std::vector<std::size_t>& linesBefore_;
    TextDrain& drain_;
    const std::size_t groupWeight_, total_, columns_;
    std::size_t limit_, next_ = 0, written_ = 0;
    const std::string cell_;
    bool breakPending_ = false, firstGroup_ = true, tableOpen_ = false;
};

void collectAnchors(const IndexNode& node, std::vector<int>& numbers)
{
    if (node.anchorNumber != 0)
        numbers.push_back(node.anchorNumber);
    for (const IndexNode* child : node.children())
        collectAnchors(*child, numbers);
}

} // namespace

bool PageGroups::holds(const HtmlIndexPlan& plan, char nodeGroup) const
{
    if (group != 0)
        return nodeGroup == group;
    if (nodeGroup == kSymbolsGroup || nodeGroup == kNumbersGroup)
        return plan.isPresent(nodeGroup);
    return nodeGroup >= plan.firstLetter && nodeGroup <= plan.lastLetter;
}

std::vector<int> anchorNumbersOnPage(const HtmlIndexPlan& plan, PageGroups page)
{
    std::vector<int> numbers;
    for (const IndexNode* node : plan.topLevel)
        if (page.holds(plan, pageGroupOf(*node)))
            collectAnchors(*node, numbers);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void writePageBody(std::string& out, const HtmlIndexPlan& plan, PageGroups page, TextDrain& drain)
{
    // The table's columns need the count of all lines before its first
    // line goes out: the body is made twice, once to count, once to write.
    LineCount count;
    std::string scratch;
    if (!walkBody(scratch, plan, page, count)) {
        out += scratch;
        return;
    }
    count.spill(scratch, 0);
    scratch = {};
    TableLayout layout(plan, count, drain);
    walkBody(out, plan, page, layout);
    out += "\r\n  </TD>\r\n  </TR>\r\n  </TABLE>\r\n\r\n";
}

} // namespace torvane

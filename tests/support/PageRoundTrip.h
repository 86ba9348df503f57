#pragma once
// Open a page, add entries, save, reopen, save again: shared by the round-trip
// tests and the fuzz target. Every check answers with what went wrong, or an
// empty text.

#include "document/SourcePages.h"
#include "model/IndexEntry.h"
#include "model/SourceFile.h"
#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"
#include "sources/CommentBlock.h"
#include "sources/SearchText.h"
#include "sources/StoredValues.h"
#include "sources/UnendedBlock.h"
#include "platform/TextUtil.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <string_view>

namespace torvane::testing {

using EntryFields =
    std::array<std::string, 7>; // IndexAs, SortAs, HelpAs, HelpTitle, IndexTarget, HelpWindow, HelpFrame

inline std::unique_ptr<IndexEntry> entryWith(const EntryFields& fields)
{
    auto entry = std::make_unique<IndexEntry>();
    entry->setTexts(fields[0], fields[2], fields[3], fields[1]);
    entry->setTargets(fields[4], fields[5], fields[6]);
    return entry;
}

// A text a rewrite may take out of a page: an old block or old meta tags,
// with the blanks and line end around a block that stood on its own line. A
// block runs through its end marker or the end of its comment, or, when it
// lost its end marker, through its last record line and no further.
inline bool isOwnedText(std::string_view removed)
{
    const std::string_view core = trim(removed);
    if (!startsWithSearchCopy(core, "<!-- html torvane"))
        return core.empty() || startsWithSearchCopy(core, "<meta");
    return core.ends_with("-->") || unendedBlockEnd(core, 0) == core.size();
}

// Replays the rewrite's changes on the original and checks that they give the
// new text and remove nothing but owned text.
inline std::string checkSplices(std::string text, const CHtmlFile& page, std::string& removedTexts)
{
    for (const auto& batch : page.spliceLog()) {
        std::string next;
        std::size_t pos = 0;
        for (const PageSplice& splice : batch) {
            if (splice.offset < pos || splice.offset + splice.length > text.size())
                return "overlapping or out-of-range change";
            const std::string_view removed = std::string_view(text).substr(splice.offset, splice.length);
            // A replacement's later pieces are the rest of the same range, cut by comments.
            const bool continuation = &splice != &batch.front() && !batch.front().text.empty();
            if (!continuation && !isOwnedText(removed))
                return "removed page text: [" + std::string(removed) + "]";
            removedTexts.append(asciiLower(removed));
            next.append(text, pos, splice.offset - pos).append(splice.text);
            pos = splice.offset + splice.length;
        }
        next.append(text, pos);
        text = std::move(next);
    }
    return text == page.wholeText() ? "" : "changes outside the logged ranges";
}

// What a page's block stands for, however its targets are split between the
// page's own and those kept for vanished anchors: stored entry lines by
// target name, "excluded" for an excluded target.
inline std::map<std::string, std::set<std::string>> entriesByTarget(const SourceFile& file)
{
    std::map<std::string, std::set<std::string>> stored;
    const auto addHolder = [&](const std::string& name, const EntryHolder& holder) {
        if (holder.isExcluded())
            stored[name].insert("excluded");
        else if (!holder.usesDefault())
            for (const IndexEntry* entry : holder.entries())
                stored[name].insert(storedEntryFields(*entry));
    };
    addHolder("#", file);
    for (const Target* target : file.targets())
        addHolder(target->label(), *target);
    for (const KeptTarget& kept : file.keptTargets()) {
        std::set<std::string>& lines = stored[kept.name];
        if (kept.isExclusion())
            lines.insert("excluded");
        for (const IndexEntry& entry : kept.entries)
            lines.insert(storedEntryFields(entry));
    }
    return stored;
}

inline std::string rewritten(const SourceFile& file, const std::string& text, CHtmlFile& page)
{
    page.setWholeText(text);
    putEntriesIntoPage(file, page);
    return page.wholeText();
}

// The whole cycle on one page text; `fields` go to the page itself and, when
// the page has targets, to its first one.
inline std::string checkPageRoundTrip(const std::string& original, const EntryFields& fields)
{
    FileReports reports;
    SourceFile first("page.htm");
    CHtmlFile read(reports);
    read.setWholeText(original);
    takePageInto(first, read);
    first.addEntry(entryWith(fields));
    if (!first.targets().empty())
        first.targets().front()->addEntry(entryWith(fields));

    CHtmlFile saved(reports);
    const std::string once = rewritten(first, original, saved);
    std::string removed;
    if (std::string problem = checkSplices(original, saved, removed); !problem.empty())
        return "first save: " + problem;

    SourceFile second("page.htm");
    CHtmlFile reread(reports);
    reread.setWholeText(once);
    takePageInto(second, reread);
    // A save may bring back what a broken comment hid, but must hide nothing
    // and put nothing into a plain heading or title (one that spans markup,
    // such as the whole head of a page with a stray "<h1", takes in the new
    // meta tags as the page scan reads it).
    // Blanks are compared as a browser shows them: a run of them as one, so
    // that the line end taken out with a block standing on its own line
    // changes no text.
    const auto shown = [](std::string_view text) {
        std::string collapsed;
        for (const char c : text)
            if (c != ' ' || collapsed.empty() || collapsed.back() != ' ')
                collapsed.push_back(c);
        return collapsed;
    };
    const auto lost = [&](const std::string& before, const std::string& after) {
        return !before.empty() && before.find('<') == std::string::npos && shown(before) != shown(after);
    };
    // A block that lost its end marker is read by its records, and what its
    // comment hid up to the next "-->" shows from then on, in a heading too.
    const bool reveals = read.blockDamage().noEndMarker || read.blockDamage().blocks > 1;
    if (!reveals && (lost(read.headingText(), reread.headingText()) || lost(read.titleText(), reread.titleText())))
        return "the save changed the page's heading or title";
    for (const Anchor& anchor : read.anchors()) {
        // Names made of markup come from broken tags that a replaced generator
        // tag may end or begin; an anchor begun inside an old generator tag
        // goes with it.
        if (anchor.name.find_first_of("<>=") != std::string::npos || removed.find("<a") != std::string::npos)
            continue;
        const auto kept = [&](const Anchor& other) {
            return other.name == anchor.name && !lost(anchor.text, other.text);
        };
        if (std::none_of(reread.anchors().begin(), reread.anchors().end(), kept))
            return "the save hid the anchor " + anchor.name;
    }
    if (entriesByTarget(second) != entriesByTarget(first) || buildMetaTags(second) != buildMetaTags(first))
        return "entries did not read back:\n" + buildCommentBlock(first) + "\n---\n" + buildCommentBlock(second);

    CHtmlFile again(reports);
    if (rewritten(second, once, again) != once)
        return "a second save with nothing changed changed the page";
    return {};
}

// The cycle on a fuzz input: the page, then after its last NUL the entry's
// texts split at "|", each kept only when a page could store it.
inline std::string checkPageRoundTripInput(const std::string& input)
{
    std::string page = input;
    EntryFields fields {"Entry", "entry", "Entry", "Untitled", "", "", ""};
    if (const std::size_t nul = page.rfind('\0'); nul != std::string::npos) {
        std::string values = page.substr(nul + 1);
        page.resize(nul);
        for (std::size_t k = 0; k < fields.size() && !values.empty(); ++k) {
            const std::size_t bar = values.find('|');
            const std::string value = values.substr(0, bar);
            if (storedValueProblem(value).empty() && (k != 0 || !value.empty()))
                fields[k] = value;
            values = bar == std::string::npos ? std::string() : values.substr(bar + 1);
        }
        if (fields[2].empty())
            fields[2] = fields[0];
        if (fields[3].empty())
            fields[3] = "Untitled";
    }
    return checkPageRoundTrip(page, fields);
}

} // namespace torvane::testing

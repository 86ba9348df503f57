#pragma once
#include "generate/IndexNode.h"
#include "generate/IndexPageNames.h"
#include "styles/StyleSettings.h"
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torvane {

class IndexGenerator;

// Everything the HTML index pages are made from: the tree, which groups have
// entries, the style and where the files go. Built from the generator after
// its tree was made in HTML mode.
struct HtmlIndexPlan {
    StyleSettings style;
    std::span<IndexNode* const> topLevel;
    std::array<bool, 26> letterPresent {};
    bool numbersPresent = false;
    bool symbolsPresent = false;
    char firstLetter = 'A';
    char lastLetter = 'A';
    std::string directory; // the project directory, ending in "/"
    std::string base; // the index file name without its extension
    std::string extension; // with its dot, or empty

    static HtmlIndexPlan fromGenerator(const IndexGenerator& generator);

    bool isPresent(char group) const;
    bool anyLetterPresent() const;
    // The columns of the body table; a stored value below 1 means one column.
    int columns() const { return style.columns < 1 ? 1 : style.columns; }
    bool framed() const { return style.linksPlacement == LinksPlacement::SeparateFrame; }
    bool separateFiles() const { return style.separateFiles != 0; }

    std::string indexFileName() const { return base + extension; }
    std::string navigationFileName() const { return base + "-nav" + extension; }
    std::string contentFileName() const { return base + "-content" + extension; }
    std::string groupPageName(char group) const { return torvane::groupPageName(base, extension, group); }
    std::string pathOf(const std::string& fileName) const { return directory + fileName; }

    // The letters whose anchors the heading of present letter `letter` carries.
    std::pair<char, char> letterRange(char letter) const;
    // The letter whose heading a link for `letter` leads to; none when
    // empty letters are left out and this one has no entries.
    std::optional<char> linkedLetter(char letter) const;
    // Whether the Symbols or Numbers group gets a heading of its own. A frame
    // set always links to them, and so does the links bar of a page that
    // holds them unless told to leave them out: there they keep their
    // headings, or those links would lead nowhere.
    bool hasSymbolsOrNumbersHeading() const
    {
        return style.groupsSymbols != SymbolsOption::Omit || framed() ||
               (style.linksSymbols == SymbolsOption::Include && !separateFiles());
    }
};

// The group a top-level node is filed under; an empty sort key files with the symbols.
char pageGroupOf(const IndexNode& node);

} // namespace torvane

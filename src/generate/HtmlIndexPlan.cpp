#include "generate/HtmlIndexPlan.h"
#include "generate/IndexGenerator.h"
#include <algorithm>

namespace torvane {

namespace {

bool isLetterGroup(char group) { return group >= 'A' && group <= 'Z'; }

} // namespace

HtmlIndexPlan HtmlIndexPlan::fromGenerator(const IndexGenerator& generator)
{
    HtmlIndexPlan plan;
    plan.style = generator.style();
    plan.topLevel = generator.topLevelNodes();
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        plan.letterPresent[letter - 'A'] = generator.isGroupPresent(letter);
    plan.numbersPresent = generator.isGroupPresent(kNumbersGroup);
    plan.symbolsPresent = generator.isGroupPresent(kSymbolsGroup);
    plan.firstLetter = generator.firstLetter();
    plan.lastLetter = generator.lastLetter();
    plan.base = generator.htmlIndexBase();
    plan.extension = generator.htmlIndexExtension();
    const std::string path = generator.outputPath(generator.outputNames().htmlIndex);
    const std::string fileName = plan.indexFileName();
    plan.directory = path.size() >= fileName.size() ? path.substr(0, path.size() - fileName.size()) : "";
    return plan;
}

bool HtmlIndexPlan::isPresent(char group) const
{
    if (group == kSymbolsGroup) return symbolsPresent;
    if (group == kNumbersGroup) return numbersPresent;
    return isLetterGroup(group) && letterPresent[group - 'A'];
}

bool HtmlIndexPlan::anyLetterPresent() const
{
    return std::find(letterPresent.begin(), letterPresent.end(), true) != letterPresent.end();
}

std::string HtmlIndexPlan::groupPageName(char group) const
{
    return base + "-" + groupName(group) + extension;
}

std::pair<char, char> HtmlIndexPlan::letterRange(char letter) const
{
    switch (style.emptyHeadings) {
    case 0: {
        char last = letter;
        while (last < 'Z' && !isPresent(static_cast<char>(last + 1))) ++last;
        return {letter == firstLetter ? 'A' : letter, last};
    }
    case 1: {
        char first = letter;
        while (first > 'A' && !isPresent(static_cast<char>(first - 1))) --first;
        return {first, letter == lastLetter ? 'Z' : letter};
    }
    default:
        return {letter, letter};
    }
}

std::optional<char> HtmlIndexPlan::linkedLetter(char letter) const
{
    if (isPresent(letter)) return letter;
    switch (style.emptyHeadings) {
    case 0:
        for (char before = letter; before > 'A';)
            if (isPresent(--before)) return before;
        return firstLetter;
    case 1:
        for (char after = letter; after < 'Z';)
            if (isPresent(++after)) return after;
        return lastLetter;
    default:
        return std::nullopt;
    }
}

std::vector<std::string> htmlIndexFileNames(const std::string& base, const std::string& extension)
{
    std::vector<std::string> names = {base + extension, base + "-content" + extension, base + "-nav" + extension};
    for (char group : kPageGroupOrder)
        names.push_back(base + "-" + groupName(group) + extension);
    return names;
}

std::string groupName(char group)
{
    if (group == kSymbolsGroup) return "Symbols";
    if (group == kNumbersGroup) return "Numbers";
    return std::string(1, group);
}

char pageGroupOf(const IndexNode& node)
{
    return node.group == kNoGroup ? kSymbolsGroup : node.group;
}

} // namespace torvane

#include "generate/HtmlIndexPlan.h"
#include "generate/IndexGenerator.h"
#include <algorithm>

namespace torvane {

namespace {

bool isLetterGroup(char group)
{
    return group >= 'A' && group <= 'Z';
}

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
    const std::string path = generator.outputPath(generator.outputNames().index);
    const std::string fileName = plan.indexFileName();
    plan.directory = path.size() >= fileName.size() ? path.substr(0, path.size() - fileName.size()) : "";
    return plan;
}

bool HtmlIndexPlan::isPresent(char group) const
{
    if (group == kSymbolsGroup)
        return symbolsPresent;
    if (group == kNumbersGroup)
        return numbersPresent;
    return isLetterGroup(group) && letterPresent[group - 'A'];
}

bool HtmlIndexPlan::anyLetterPresent() const
{
    return std::find(letterPresent.begin(), letterPresent.end(), true) != letterPresent.end();
}

std::pair<char, char> HtmlIndexPlan::letterRange(char letter) const
{
    switch (style.emptyHeadings) {
    case EmptyHeadings::MergePrevious: {
        char last = letter;
        while (last < 'Z' && !isPresent(static_cast<char>(last + 1)))
            ++last;
        return {letter == firstLetter ? 'A' : letter, last};
    }
    case EmptyHeadings::MergeNext: {
        char first = letter;
        while (first > 'A' && !isPresent(static_cast<char>(first - 1)))
            --first;
        return {first, letter == lastLetter ? 'Z' : letter};
    }
    default:
        return {letter, letter};
    }
}

std::optional<char> HtmlIndexPlan::linkedLetter(char letter) const
{
    if (isPresent(letter))
        return letter;
    switch (style.emptyHeadings) {
    case EmptyHeadings::MergePrevious:
        for (char before = letter; before > 'A';)
            if (isPresent(--before))
                return before;
        return firstLetter;
    case EmptyHeadings::MergeNext:
        for (char after = letter; after < 'Z';)
            if (isPresent(++after))
                return after;
        return lastLetter;
    default:
        return std::nullopt;
    }
}

char pageGroupOf(const IndexNode& node)
{
    return node.group == kNoGroup ? kSymbolsGroup : node.group;
}

} // namespace torvane

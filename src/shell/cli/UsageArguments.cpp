#include "shell/cli/UsageArguments.h"
#include <sstream>

namespace torvane {

std::vector<ArgumentSlot> argumentSlots(const Subcommand& command)
{
    std::istringstream words {std::string(command.synopsis)};
    std::string word;
    words >> word; // the subcommand's name
    std::vector<ArgumentSlot> slots;
    bool inOption = false;
    while (words >> word) {
        if (word.starts_with("[-"))
            inOption = true;
        if (inOption) {
            inOption = !word.ends_with(']');
            continue;
        }
        ArgumentSlot slot;
        slot.optional = word.starts_with('[');
        if (slot.optional)
            word = word.substr(1, word.size() - (word.ends_with(']') ? 2 : 1));
        slot.repeats = word.ends_with("...");
        if (slot.repeats)
            word.resize(word.size() - 3);
        slot.name = word;
        slots.push_back(slot);
    }
    return slots;
}

ArgumentCompletion argumentCompletion(std::string_view name)
{
    if (name.ends_with(".ipj"))
        return ArgumentCompletion::Project;
    if (name == "TARGET")
        return ArgumentCompletion::Target;
    if (name == "PAGE")
        return ArgumentCompletion::Page;
    if (name == "PAGE-OR-URL")
        return ArgumentCompletion::PageOrUrl;
    for (std::string_view text : {"ENTRY", "HEADING", "LOCATOR", "URL", "PREFIX", "TEXT", "NAME"}) {
        if (name == text)
            return ArgumentCompletion::Text;
    }
    return ArgumentCompletion::File;
}

std::string_view completionName(ArgumentCompletion completion)
{
    switch (completion) {
    case ArgumentCompletion::Project:
        return "project";
    case ArgumentCompletion::Target:
        return "target";
    case ArgumentCompletion::Page:
        return "page";
    case ArgumentCompletion::PageOrUrl:
        return "page-or-url";
    case ArgumentCompletion::Text:
        return "text";
    case ArgumentCompletion::File:
        break;
    }
    return "file";
}

std::vector<std::string_view> optionChoices(const OptionSpec& option)
{
    std::vector<std::string_view> choices;
    if (option.valueName.find('|') == std::string_view::npos)
        return choices;
    std::string_view rest = option.valueName;
    for (std::size_t bar = rest.find('|'); bar != std::string_view::npos; bar = rest.find('|')) {
        choices.push_back(rest.substr(0, bar));
        rest.remove_prefix(bar + 1);
    }
    choices.push_back(rest);
    return choices;
}

std::vector<OptionSpec> allOptions(const Subcommand& command)
{
    std::vector<OptionSpec> options = command.options;
    options.insert(options.end(), commonOptions().begin(), commonOptions().end());
    return options;
}

std::string blankSeparated(const std::vector<std::string_view>& words)
{
    std::string line;
    for (std::string_view word : words)
        line += (line.empty() ? "" : " ") + std::string(word);
    return line;
}

std::string slotKinds(const Subcommand& command)
{
    std::string kinds;
    for (const ArgumentSlot& slot : argumentSlots(command))
        kinds += (kinds.empty() ? "" : " ") + std::string(completionName(argumentCompletion(slot.name))) +
                 (slot.repeats ? "..." : "");
    return kinds;
}

std::string firstSentence(std::string_view help)
{
    std::string sentence;
    int depth = 0; // a full stop in parentheses ends no sentence
    for (std::size_t at = 0; at < help.size(); ++at) {
        const char c = help[at];
        const bool lineEnds = at + 1 == help.size() || help[at + 1] == '\n';
        if (depth == 0 && c == ':' && lineEnds)
            break;
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        sentence += c == '\n' ? ' ' : c;
        if (depth == 0 && c == '.' && (lineEnds || help[at + 1] == ' '))
            break;
    }
    return sentence;
}

} // namespace torvane

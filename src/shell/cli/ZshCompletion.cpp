#include "shell/cli/ShellCompletions.h"
#include "shell/cli/UsageArguments.h"
#include <ostream>

namespace torvane {

namespace {

const char kZshHelpers[] = R"zsh(
_torvane_projects()
{
    _files -g '*.(#i)ipj(-.)'
}

# The project is the first argument _arguments has seen ($line[1]); the kind
# comes last, after the options _arguments passes on to compadd.
_torvane_targets()
{
    local -a found
    found=(${(f)"$(_call_program targets ${(q)program} complete-targets ${(q)${line[1]/#\~/$HOME}} ${(q)PREFIX} --kind ${@[-1]} 2>/dev/null)"})
    compadd "${@[1,-2]}" -a found
}
)zsh";

// A text inside single quotes of the script.
std::string quoted(std::string_view text)
{
    std::string result;
    for (char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result;
}

// A description inside the brackets of an _arguments spec.
std::string bracketed(std::string_view text)
{
    std::string result;
    for (char c : text) {
        if (c == '[' || c == ']' || c == '\\')
            result += '\\';
        result += c;
    }
    return quoted(result);
}

std::string optionSpec(const OptionSpec& option)
{
    std::string spec =
        std::string(option.name) + (option.takesValue ? "=" : "") + "[" + bracketed(option.summary) + "]";
    if (!option.takesValue)
        return spec;
    const std::vector<std::string_view> choices = optionChoices(option);
    if (choices.empty())
        return spec + ":" + quoted(option.valueName) + ": ";
    return spec + ":" + std::string(option.name.substr(2)) + ":(" + blankSeparated(choices) + ")";
}

std::string argumentSpec(const ArgumentSlot& slot)
{
    std::string action;
    const ArgumentCompletion completion = argumentCompletion(slot.name);
    switch (completion) {
    case ArgumentCompletion::Project:
        action = "_torvane_projects";
        break;
    case ArgumentCompletion::Target:
    case ArgumentCompletion::Page:
    case ArgumentCompletion::PageOrUrl:
        action = "_torvane_targets " + std::string(completionName(completion));
        break;
    case ArgumentCompletion::Text:
        action = " ";
        break;
    case ArgumentCompletion::File:
        action = "_files";
        break;
    }
    const std::string lead = slot.repeats ? "*:" : slot.optional ? "::" : ":";
    return lead + quoted(slot.name) + ":" + action;
}

void writeSubcommandCase(std::ostream& out, const Subcommand& command)
{
    out << "    " << command.name << ")\n        _arguments -S";
    for (const OptionSpec& option : allOptions(command))
        out << " \\\n            '" << optionSpec(option) << "'";
    for (const ArgumentSlot& slot : argumentSlots(command))
        out << " \\\n            '" << argumentSpec(slot) << "'";
    out << "\n        ;;\n";
}

} // namespace

void writeZshCompletion(std::ostream& out)
{
    out << "#compdef torvane\n"
        << kZshHelpers << "\n_torvane()\n{\n    local program=${words[1]/#\\~/$HOME}\n"
        << "    if ((CURRENT == 2)); then\n        local -a subcommands=(";
    for (const Subcommand& command : subcommands()) {
        if (!command.hidden)
            out << "\n            '" << command.name << ":" << quoted(firstSentence(command.help)) << "'";
    }
    out << ")\n"
        << "        if [[ $PREFIX == -* ]]; then\n"
        << "            compadd -- --help --version\n"
        << "        else\n"
        << "            _describe -t subcommands subcommand subcommands\n"
        << "            _torvane_projects\n"
        << "        fi\n"
        << "        return\n"
        << "    fi\n"
        << "    local subcommand=$words[2]\n"
        << "    # The subcommand stands where _arguments expects the command.\n"
        << "    shift words\n"
        << "    ((CURRENT--))\n"
        << "    case $subcommand in\n";
    for (const Subcommand& command : subcommands()) {
        if (!command.hidden)
            writeSubcommandCase(out, command);
    }
    out << "    *)\n        _arguments ':switch:(/makeindex)'\n        ;;\n    esac\n}\n\n_torvane \"$@\"\n";
}

} // namespace torvane

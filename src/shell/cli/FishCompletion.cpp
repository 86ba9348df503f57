#include "shell/cli/ShellCompletions.h"
#include "shell/cli/UsageArguments.h"
#include <ostream>

namespace torvane {

namespace {

// Which argument is being typed is worked out as in the bash completion: the
// words after the subcommand, less the options and their values.
const char kFishHelpers[] = R"fish(
function __torvane_needs_subcommand
    test (count (commandline -opc)) -eq 1
end

function __torvane_is
    set -l words (commandline -opc)
    test (count $words) -ge 2; and test "$words[2]" = $argv[1]
end

# True when the argument being typed is of kind $argv[1]; the project is kept for the targets.
function __torvane_kind
    set -l words (commandline -opc)
    test (count $words) -ge 2; or return 1
    set -l spec (__torvane_spec $words[2]); or return 1
    set -l valued (string split -n ' ' -- $spec[1])
    set -l slots (string split -n ' ' -- $spec[2])
    set -l positionals
    set -l ended 0
    set -l value 0
    for word in $words[3..-1]
        if test $value = 1
            set value 0
        else if test $ended = 0; and test "$word" = --
            set ended 1
        else if test $ended = 0; and string match -q -- '-?*' $word
            contains -- $word $valued; and set value 1
        else
            set -a positionals $word
        end
    end
    test $value = 0; or return 1
    if test $ended = 0; and string match -q -- '-*' (commandline -ct)
        return 1
    end
    set -l at (math (count $positionals) + 1)
    if test $at -gt (count $slots)
        set at (count $slots)
        string match -q -- '*...' $slots[$at]; or return 1
    end
    test (string replace -- '...' '' $slots[$at]) = $argv[1]; or return 1
    set -g __torvane_project $positionals[1]
end

# Folders and project files below what is typed.
function __torvane_projects
    for path in (commandline -ct)*
        if test -d $path
            echo $path/
        else if string match -qi -- '*.ipj' $path
            echo $path
        end
    end
end

function __torvane_targets
    set -l words (commandline -opc)
    $words[1] complete-targets $__torvane_project (commandline -ct) --kind $argv[1] 2>/dev/null
end
)fish";

std::string quoted(std::string_view text)
{
    std::string result = "'";
    for (char c : text) {
        if (c == '\'' || c == '\\')
            result += '\\';
        result += c;
    }
    return result + "'";
}

void writeSpec(std::ostream& out)
{
    out << "\nfunction __torvane_spec\n    switch $argv[1]\n";
    for (const Subcommand& command : subcommands()) {
        if (command.hidden)
            continue;
        std::vector<std::string_view> valued;
        for (const OptionSpec& option : allOptions(command)) {
            if (option.takesValue)
                valued.push_back(option.name);
        }
        out << "        case " << command.name << "\n            printf '%s\\n' " << quoted(blankSeparated(valued))
            << " " << quoted(slotKinds(command)) << "\n";
    }
    out << "        case '*'\n            return 1\n    end\nend\n";
}

void writeOption(std::ostream& out, const Subcommand& command, const OptionSpec& option)
{
    out << "complete -c torvane -n '__torvane_is " << command.name << "' -l " << option.name.substr(2);
    if (option.takesValue) {
        out << " -x";
        const std::string values = blankSeparated(optionChoices(option));
        if (!values.empty())
            out << " -a " << quoted(values);
    }
    out << " -d " << quoted(option.summary) << "\n";
}

} // namespace

void writeFishCompletion(std::ostream& out)
{
    out << "# fish completion for torvane\n" << kFishHelpers;
    writeSpec(out);
    out << "\ncomplete -c torvane -f\n"
        << "complete -c torvane -n __torvane_needs_subcommand -l help -d 'lists the subcommands'\n"
        << "complete -c torvane -n __torvane_needs_subcommand -l version -d 'prints the version'\n"
        << "complete -c torvane -n __torvane_needs_subcommand -a '(__torvane_projects)'\n";
    for (const Subcommand& command : subcommands()) {
        if (!command.hidden)
            out << "complete -c torvane -n __torvane_needs_subcommand -a " << command.name << " -d "
                << quoted(firstSentence(command.help)) << "\n";
    }
    for (const Subcommand& command : subcommands()) {
        if (command.hidden)
            continue;
        for (const OptionSpec& option : allOptions(command))
            writeOption(out, command, option);
    }
    out << "complete -c torvane -n '__torvane_kind project' -a '(__torvane_projects)'\n"
        << "complete -c torvane -n '__torvane_kind file' -F\n";
    for (std::string_view kind : {"target", "page", "page-or-url"})
        out << "complete -c torvane -n '__torvane_kind " << kind << "' -a '(__torvane_targets " << kind << ")'\n";
}

} // namespace torvane

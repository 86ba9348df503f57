#include "shell/cli/ShellCompletions.h"
#include "shell/cli/UsageArguments.h"
#include <ostream>

namespace torvane {

namespace {

// Reads the command line itself rather than COMP_WORDS, which bash splits at
// ":" and "=" (inside URLs, after --format); what it replaces is only the
// piece after the last such break, so the offers lose the part before it.
const char kBashCompletion[] = R"bash(
_torvane_offer()
{
    local lead=$1 candidate
    shift
    for candidate; do
        COMPREPLY+=("${candidate#"$lead"}")
    done
}

_torvane_files()
{
    compopt -o filenames 2>/dev/null
    local -a found
    if [[ $1 == project ]]; then
        mapfile -t found < <(compgen -d -- "$3"; compgen -f -X '!*.[iI][pP][jJ]' -- "$3")
    else
        mapfile -t found < <(compgen -f -- "$3")
    fi
    _torvane_offer "$2" "${found[@]}"
}

_torvane()
{
    COMPREPLY=()
    local line=${COMP_LINE:0:COMP_POINT}
    local -a words
    read -ra words <<<"$line"
    [[ -z $line || $line == *[[:space:]] ]] && words+=('')
    local n=$((${#words[@]} - 1))
    local word=${words[n]} cur=${COMP_WORDS[COMP_CWORD]}
    [[ $cur == [=:] ]] && cur=''
    local lead=${word%"$cur"}
    local program=${words[0]/#\~/$HOME}
    if ((n == 1)); then
        if [[ $word == -* ]]; then
            _torvane_offer "$lead" $(compgen -W '--help --version' -- "$word")
        else
            _torvane_offer "$lead" $(compgen -W "$(_torvane_subcommands)" -- "$word")
            _torvane_files project "$lead" "$word"
        fi
        return
    fi
    local options valued slots
    if ! _torvane_spec "${words[1]}"; then
        ((n == 2)) && _torvane_offer "$lead" $(compgen -W '/makeindex' -- "$word")
        return
    fi
    local -a positionals=()
    local i ended= value_of=
    for ((i = 2; i < n; i++)); do
        if [[ -z $ended && ${words[i]} == -- ]]; then
            ended=1
        elif [[ -z $ended && ${words[i]} == -?* ]]; then
            if [[ " $valued " == *" ${words[i]} "* ]]; then
                ((i + 1 == n)) && value_of=${words[i]}
                ((i++))
            fi
        else
            positionals+=("${words[i]}")
        fi
    done
    if [[ -n $value_of ]]; then
        _torvane_offer "$lead" $(compgen -W "$(_torvane_choices "${words[1]}" "$value_of")" -- "$word")
        return
    fi
    if [[ -z $ended && $word == --*=* ]]; then
        local option=${word%%=*}
        _torvane_offer "$lead" $(compgen -P "$option=" -W "$(_torvane_choices "${words[1]}" "$option")" -- "${word#*=}")
        return
    fi
    if [[ -z $ended && $word == -* ]]; then
        _torvane_offer "$lead" $(compgen -W "$options" -- "$word")
        return
    fi
    local -a kinds=($slots)
    local count=${#positionals[@]} kind
    if ((count < ${#kinds[@]})); then
        kind=${kinds[count]}
    else
        kind=${kinds[${#kinds[@]} - 1]}
        [[ $kind == *... ]] || return
    fi
    kind=${kind%...}
    case $kind in
    project | file)
        _torvane_files "$kind" "$lead" "$word"
        ;;
    target | page | page-or-url)
        local -a found
        mapfile -t found < <("$program" complete-targets "${positionals[0]/#\~/$HOME}" "$word" --kind "$kind" 2>/dev/null)
        _torvane_offer "$lead" "${found[@]}"
        ;;
    esac
}

complete -F _torvane torvane
)bash";

void writeSpecs(std::ostream& out)
{
    out << "_torvane_spec()\n{\n    case $1 in\n";
    for (const Subcommand& command : subcommands()) {
        if (command.hidden)
            continue;
        std::vector<std::string_view> names, valued;
        for (const OptionSpec& option : allOptions(command)) {
            names.push_back(option.name);
            if (option.takesValue)
                valued.push_back(option.name);
        }
        out << "    " << command.name << ")\n"
            << "        options='" << blankSeparated(names) << "'\n"
            << "        valued='" << blankSeparated(valued) << "'\n"
            << "        slots='" << slotKinds(command) << "'\n"
            << "        ;;\n";
    }
    out << "    *)\n        return 1\n        ;;\n    esac\n}\n";
}

void writeChoices(std::ostream& out)
{
    out << "\n_torvane_choices()\n{\n    case \"$1 $2\" in\n";
    for (const Subcommand& command : subcommands()) {
        for (const OptionSpec& option : command.hidden ? std::vector<OptionSpec> {} : command.options) {
            if (!optionChoices(option).empty())
                out << "    '" << command.name << " " << option.name << "') echo '"
                    << blankSeparated(optionChoices(option)) << "' ;;\n";
        }
    }
    out << "    esac\n}\n";
}

} // namespace

void writeBashCompletion(std::ostream& out)
{
    out << "# bash completion for torvane                              -*- shell-script -*-\n\n"
        << "_torvane_subcommands()\n{\n    echo '";
    std::vector<std::string_view> names;
    for (const Subcommand& command : subcommands()) {
        if (!command.hidden)
            names.push_back(command.name);
    }
    out << blankSeparated(names) << "'\n}\n\n";
    writeSpecs(out);
    writeChoices(out);
    out << kBashCompletion;
}

} // namespace torvane

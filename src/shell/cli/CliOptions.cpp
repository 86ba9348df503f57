#include "shell/cli/CliOptions.h"
#include <algorithm>

namespace torvane {

std::optional<std::string> CliArguments::value(std::string_view option) const
{
    const auto found = values.find(option);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

const std::vector<OptionSpec>& commonOptions()
{
    static const std::vector<OptionSpec> common {
        {"--help", false, {}, "prints the usage and what the subcommand does, and exits"},
        {"--quiet", false, {}, "shows no progress line on a terminal"}};
    return common;
}

std::optional<std::string> parseArguments(const std::vector<std::string>& arguments,
                                          const std::vector<OptionSpec>& options, CliArguments& parsed)
{
    std::vector<OptionSpec> known = options;
    known.insert(known.end(), commonOptions().begin(), commonOptions().end());
    bool optionsEnded = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (optionsEnded || argument.size() < 2 || argument.front() != '-') {
            parsed.positionals.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = std::string_view(argument).substr(0, equals);
        const auto spec =
            std::find_if(known.begin(), known.end(), [name](const OptionSpec& option) { return option.name == name; });
        if (spec == known.end())
            return "unknown option " + std::string(name);
        if (!spec->takesValue) {
            if (equals != std::string::npos)
                return "option " + std::string(name) + " takes no value";
            parsed.flags.emplace(name);
        } else if (equals != std::string::npos) {
            parsed.values[std::string(name)] = argument.substr(equals + 1);
        } else if (at + 1 < arguments.size()) {
            parsed.values[std::string(name)] = arguments[++at];
        } else {
            return "option " + std::string(name) + " needs a value";
        }
    }
    return std::nullopt;
}

} // namespace torvane

#pragma once
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Exit statuses of every subcommand.
enum CliExit : int {
    ExitOk = 0,
    // The work failed, an edit was refused, or check found errors.
    ExitFailed = 1,
    // A command line that cannot be run, or a project that cannot be opened.
    ExitUnusable = 2,
};

// An option a subcommand accepts: a flag ("--json") or one with a value
// ("--format csv" or "--format=csv").
struct OptionSpec {
    std::string_view name;
    bool takesValue = false;
    // What the value stands for in the manual page ("S"); values joined by
    // "|" ("json|csv") are the only ones it takes, offered by the completions.
    std::string_view valueName = {};
    // One line for the manual page and the completions.
    std::string_view summary = {};
};

// The arguments after the subcommand's name, sorted out.
struct CliArguments {
    std::vector<std::string> positionals;
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;

    bool has(std::string_view flag) const { return flags.contains(flag); }
    std::optional<std::string> value(std::string_view option) const;
};

// The options every subcommand takes besides its own: "--help" and "--quiet".
const std::vector<OptionSpec>& commonOptions();

// "--" ends the options,
// so that a positional argument may begin with "-". Returns what is wrong.
std::optional<std::string> parseArguments(const std::vector<std::string>& arguments,
                                          const std::vector<OptionSpec>& options, CliArguments& parsed);

} // namespace torvane

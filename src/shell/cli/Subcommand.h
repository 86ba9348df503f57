#pragma once
#include "shell/cli/CliOptions.h"
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class EditContext;

// An edit of the open project: acts on it and returns true, or tells its
// refusal on the context's `err` and returns false.
using ProjectEdit = bool (*)(EditContext& context, const CliArguments& arguments);

// What a subcommand gets to work with: its sorted-out arguments and the
// two streams (results on `out`, messages, refusals and progress on `err`).
struct SubcommandCall {
    const CliArguments& arguments;
    std::ostream& out;
    std::ostream& err;
    // Progress on `err` is wanted: a terminal, and no --quiet.
    bool showProgress = false;
    // The subcommand's name, which begins every message it tells.
    std::string_view name;
};

// One subcommand of the executable: "torvane NAME PROJECT.ipj ...".
struct Subcommand {
    std::string_view name;
    // The usage line after "torvane ".
    std::string_view synopsis;
    // What --help prints after the usage line.
    std::string_view help;
    std::vector<OptionSpec> options;
    // The positional arguments it takes, the project file included.
    std::size_t minArguments = 1;
    std::size_t maxArguments = 1;
    // Runs the subcommand; without it, `edit` runs on the opened project,
    // which is saved after it.
    int (*run)(const SubcommandCall& call) = nullptr;
    // Left out of the usage and the manual page: a helper of the shell completions.
    bool hidden = false;
    // The edit a subcommand makes, also run by each line of a batch of edits.
    ProjectEdit edit = nullptr;
};

inline constexpr std::size_t kAnyNumber = static_cast<std::size_t>(-1);

const std::vector<Subcommand>& subcommands();
const Subcommand* findSubcommand(std::string_view name);

// Sorts out the arguments after the name, answers --help, refuses a command
// line that cannot be run (exit 2) and runs the subcommand.
// `errIsTerminal` says whether progress may be shown on `err`.
int runSubcommand(const Subcommand& command, const std::vector<std::string>& arguments, std::ostream& out,
                  std::ostream& err, bool errIsTerminal);

// "torvane: " + problem, then where to find help: for a command line that cannot be run.
int refuseCommandLine(const Subcommand& command, std::string_view problem, std::ostream& err);

// What every subcommand's --help says after its own text: the common
// options, where messages go, the exit statuses.
std::string_view subcommandNotes();

// The subcommands, one line each, for the program's --help.
std::string subcommandSummary();

} // namespace torvane

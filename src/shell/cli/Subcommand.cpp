#include "shell/cli/Subcommand.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/OutputBuffer.h"
#include "shell/cli/SubcommandList.h"
#include <algorithm>
#include <ostream>

namespace torvane {

namespace {

const char kCommonHelp[] = "\nEvery subcommand also takes --quiet (no progress line on a terminal) and --help.\n"
                           "\"--\" ends the options: every argument after it is taken as it is, even one\n"
                           "that begins with \"-\" (an entry \"-O, option\", a value \"--help\").\n"
                           "Messages and refusals go to standard error. Exit status: 0 success, 1 the work\n"
                           "failed or was refused (for check: errors found), 2 a command line that cannot be\n"
                           "run or a project that cannot be opened.\n";

} // namespace

const std::vector<Subcommand>& subcommands()
{
    static const std::vector<Subcommand> all {
        makeIndexCommand(), checkCommand(),   statsCommand(),           exportCommand(),
        addEntryCommand(),  excludeCommand(), removeCommand(),          addFilesCommand(),
        addUrlCommand(),    addXrefCommand(), forgetKeptCommand(),      applyCommand(),
        importCommand(),    initCommand(),    completeTargetsCommand(), storeCommand()};
    return all;
}

const Subcommand* findSubcommand(std::string_view name)
{
    for (const Subcommand& command : subcommands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

int refuseCommandLine(const Subcommand& command, std::string_view problem, std::ostream& err)
{
    err << "torvane " << command.name << ": " << problem << "\n"
        << "Usage: torvane " << command.synopsis << "\n"
        << "Run 'torvane " << command.name << " --help' for more.\n";
    return ExitUnusable;
}

int runSubcommand(const Subcommand& command, const std::vector<std::string>& arguments, std::ostream& out,
                  std::ostream& err, bool errIsTerminal)
{
    CliArguments parsed;
    if (const std::optional<std::string> problem = parseArguments(arguments, command.options, parsed))
        return refuseCommandLine(command, *problem, err);
    if (parsed.has("--help")) {
        out << "Usage: torvane " << command.synopsis << "\n\n" << command.help;
        if (std::find_if(command.options.begin(), command.options.end(), [](const OptionSpec& option) {
                return option.name == kWaitOption.name;
            }) != command.options.end())
            out << kWaitHelp;
        out << kCommonHelp;
        return checkedOutput(ExitOk, out, err, command.name);
    }
    const std::size_t count = parsed.positionals.size();
    if (count < command.minArguments)
        return refuseCommandLine(command, count == 0 ? "no project file given" : "too few arguments", err);
    if (count > command.maxArguments)
        return refuseCommandLine(command, "too many arguments", err);
    const SubcommandCall call {parsed, out, err, errIsTerminal && !parsed.has("--quiet"), command.name};
    const int status = command.run ? command.run(call) : runEdit(call, command.edit);
    return checkedOutput(status, out, err, command.name);
}

std::string_view subcommandNotes()
{
    return std::string_view(kCommonHelp).substr(1);
}

std::string subcommandSummary()
{
    std::string summary;
    for (const Subcommand& command : subcommands()) {
        if (command.hidden)
            continue;
        summary += "       torvane " + std::string(command.synopsis) + "\n";
    }
    return summary;
}

} // namespace torvane

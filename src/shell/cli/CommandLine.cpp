#include "shell/cli/CommandLine.h"
#include "shell/cli/UnattendedRun.h"
#include "platform/AppOptions.h"
#include "shell/cli/CommandSuggestion.h"
#include "shell/cli/OutputBuffer.h"
#include "shell/cli/Subcommand.h"
#include <algorithm>
#include <filesystem>
#include <ostream>

namespace torvane {

namespace {

// One argument holding the switch on its own ("/MakeIndex", "/makeindex  ").
// A path such as "/home/makeindex" is not one, though its pieces would match.
bool isMakeIndexSwitchForm(const std::string& argument)
{
    return argument.size() > 1 && argument.front() == '/' && argument.find('/', 1) == std::string::npos &&
           hasMakeIndexSwitch("project " + argument);
}

const char kUsageEnd[] = "\n"
                         "The unattended run writes every index the project's style settings switch on\n"
                         "(HTML index, HTML Help index, JavaHelp index and map) into the project's folder.\n"
                         "Exit status: 0 all written, 1 the project could not be opened or an output failed,\n"
                         "2 a command line that cannot be run.\n"
                         "The subcommands work without a display; 'torvane NAME --help' tells more of each.\n";

// Where the meanings of the program's own forms begin in its usage lines.
constexpr std::size_t kMeaningColumn = 25;

bool isExistingFile(const std::string& path)
{
    std::error_code failed;
    return std::filesystem::is_regular_file(path, failed);
}

// A word without a dot or a slash was meant as a subcommand; anything else as a project file.
std::string notAProjectProblem(const std::string& argument)
{
    if (argument.find_first_of("./") == std::string::npos)
        return unknownCommandProblem(argument);
    return "no project file " + argument + " (a subcommand or an existing project file is expected)";
}

CommandLine actionOnly(CommandLine::Action action, std::string problem = {})
{
    CommandLine command;
    command.action = action;
    command.problem = std::move(problem);
    return command;
}

void printUsage(std::ostream& stream)
{
    const char* lead = "Usage: torvane ";
    for (const ProgramForm& form : programForms()) {
        std::string line(form.synopsis);
        if (!form.meaning.empty()) {
            line.resize(std::max(line.size() + 1, kMeaningColumn), ' ');
            line += form.meaning;
        }
        stream << lead << line << "\n";
        lead = "       torvane ";
    }
    stream << subcommandSummary() << kUsageEnd;
}

} // namespace

const std::vector<ProgramForm>& programForms()
{
    static const std::vector<ProgramForm> forms {
        {"[PROJECT.ipj]", "open the project in the desktop program"},
        {"--desktop [PROJECT.ipj]", "the same, also for a project not yet there"},
        {"PROJECT.ipj /makeindex", "make the project's index files and exit"},
        {"--help | --version", {}}};
    return forms;
}

std::string_view programNotes()
{
    return std::string_view(kUsageEnd).substr(1);
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine command;
    if (!arguments.empty() && findSubcommand(arguments.front())) {
        command.action = CommandLine::Action::Subcommand;
        command.subcommand = arguments.front();
        command.arguments.assign(arguments.begin() + 1, arguments.end());
        return command;
    }
    bool makeIndex = false;
    bool desktopAsked = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return actionOnly(CommandLine::Action::Help);
        if (argument == "--version")
            return actionOnly(CommandLine::Action::Version);
        if (argument == kDesktopOption) {
            desktopAsked = true;
        } else if (isMakeIndexSwitchForm(argument)) {
            // The first argument stands where the project file belongs: a
            // switch there does not count. Alone it starts the program as
            // usual; before a project it is a slip that would leave a build
            // waiting on a window.
            if (i == 0 && arguments.size() > 1)
                return actionOnly(CommandLine::Action::Invalid, "the switch " + argument +
                                                                    " belongs after the project file: "
                                                                    "torvane PROJECT.ipj /makeindex");
            makeIndex = makeIndex || i > 0;
        } else if (argument.size() > 1 && argument.front() == '-') {
            return actionOnly(CommandLine::Action::Invalid, "unknown option " + argument);
        } else if (command.projectPath.empty()) {
            command.projectPath = argument;
        } else {
            // "torvane chek P.ipj": the slip is the first word, not the project after it.
            return actionOnly(CommandLine::Action::Invalid, isExistingFile(command.projectPath)
                                                                ? "unexpected argument '" + argument + "'"
                                                                : notAProjectProblem(command.projectPath));
        }
    }
    // Without a project file the switch is ignored and the program starts as usual.
    if (makeIndex && !command.projectPath.empty())
        command.action = CommandLine::Action::MakeIndex;
    else if (!desktopAsked && !command.projectPath.empty() && !isExistingFile(command.projectPath))
        return actionOnly(CommandLine::Action::Invalid, notAProjectProblem(command.projectPath));
    return command;
}

int runCommandLine(const CommandLine& command, const std::string& version, std::ostream& out, std::ostream& err,
                   bool errIsTerminal)
{
    switch (command.action) {
    case CommandLine::Action::Help:
        printUsage(out);
        return checkedOutput(0, out, err, {});
    case CommandLine::Action::Version:
        out << "HTML Torvane " << version << "\n";
        return checkedOutput(0, out, err, {});
    case CommandLine::Action::MakeIndex:
        return runUnattendedMakeIndex(command.projectPath, err);
    case CommandLine::Action::Invalid:
        err << "torvane: " << command.problem << "\n"
            << "Run 'torvane --help' for the commands.\n";
        return 2;
    case CommandLine::Action::Subcommand:
        return runSubcommand(*findSubcommand(command.subcommand), command.arguments, out, err, errIsTerminal);
    case CommandLine::Action::Desktop:
        break;
    }
    return reportNoDesktop(err);
}

int reportNoDesktop(std::ostream& err)
{
    err << "torvane: the desktop program is not built into this executable (it was configured without Qt).\n"
           "Run 'torvane PROJECT.ipj /makeindex' to make a project's index, or 'torvane --help'.\n";
    return 2;
}

} // namespace torvane

#pragma once
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// What the program was asked to do.
struct CommandLine {
    enum class Action {
        Desktop, // the interactive program, with `projectPath` opened when given
        MakeIndex, // the unattended run: open `projectPath`, make its index, exit
        Help,
        Version,
        Invalid, // `problem` says why
        Subcommand, // "torvane NAME ...": `subcommand` with `arguments`, on the core alone
    };
    Action action = Action::Desktop;
    std::string projectPath;
    std::string problem;
    std::string subcommand;
    std::vector<std::string> arguments;
};

// Opens the desktop program whatever follows, even a project file not yet there.
inline constexpr const char* kDesktopOption = "--desktop";

// Reads the arguments after the program name. A first argument that names
// a subcommand ("check", "export", ...) runs it with the rest. Otherwise the
// switch "/makeindex" (any letter case, trailing blanks ignored) after the
// project file asks for the unattended run. Only no argument, an existing
// project file or --desktop start the desktop program: any other word is a
// command line that cannot be run, so that a slip never leaves a build
// waiting on a window.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// Runs every action except Desktop. Messages go to `err` with the texts the
// dialogs would show. Exit status: 0 when every enabled output was written,
// 1 when the project cannot be opened or an output failed, 2 for a command
// line that cannot be run.
// `errIsTerminal` lets subcommands show their progress on `err`.
int runCommandLine(const CommandLine& command, const std::string& version, std::ostream& out, std::ostream& err,
                   bool errIsTerminal = false);

// The program's own ways of being called, besides its subcommands, as its
// usage lists them ("[PROJECT.ipj]", "open the project ...").
struct ProgramForm {
    std::string_view synopsis;
    std::string_view meaning;
};
const std::vector<ProgramForm>& programForms();
// What the usage says after the lines of the forms and the subcommands.
std::string_view programNotes();

// Where a desktop program is not built in.
int reportNoDesktop(std::ostream& err);

} // namespace torvane

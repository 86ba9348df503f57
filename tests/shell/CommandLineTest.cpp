#include "shell/cli/CommandLine.h"
#include "shell/cli/DesktopStart.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <sstream>

namespace torvane {
namespace {

using Action = CommandLine::Action;

CommandLine parse(std::vector<std::string> arguments)
{
    return parseCommandLine(arguments);
}

TEST(CommandLineParse, SwitchAfterTheProjectAsksForTheUnattendedRun)
{
    for (const char* form : {"/makeindex", "/MakeIndex", "/MAKEINDEX", "/makeindex  ", "/MakeIndex\t"}) {
        CommandLine command = parse({"/home/me/Manual.ipj", form});
        EXPECT_EQ(command.action, Action::MakeIndex) << form;
        EXPECT_EQ(command.projectPath, "/home/me/Manual.ipj") << form;
    }
}

TEST(CommandLineParse, OtherFormsStartTheDesktopProgram)
{
    CommandLine plain = parse({"Manual.ipj"});
    EXPECT_EQ(plain.action, Action::Desktop);
    EXPECT_EQ(plain.projectPath, "Manual.ipj");

    EXPECT_EQ(parse({}).action, Action::Desktop);
    // Only the switch, no project: nothing to make, the program starts as usual.
    CommandLine onlySwitch = parse({"/makeindex"});
    EXPECT_EQ(onlySwitch.action, Action::Desktop);
    EXPECT_EQ(onlySwitch.projectPath, "");
    // A blank between the slash and the word hides the switch.
    EXPECT_EQ(parse({"Manual.ipj", "/", "makeindex"}).action, Action::Desktop);
    EXPECT_EQ(parse({"Manual.ipj", "/ makeindex"}).action, Action::Desktop);
    EXPECT_EQ(parse({"Manual.ipj", "/makeindexes"}).action, Action::Desktop);
    // The first argument stands for the project: a switch there does not count.
    CommandLine switchFirst = parse({"/makeindex", "Manual.ipj"});
    EXPECT_EQ(switchFirst.action, Action::Desktop);
    EXPECT_EQ(switchFirst.projectPath, "Manual.ipj");
    // A folder of that name in a path is no switch.
    CommandLine folder = parse({"/srv/makeindex/Manual.ipj"});
    EXPECT_EQ(folder.action, Action::Desktop);
    EXPECT_EQ(folder.projectPath, "/srv/makeindex/Manual.ipj");
}

TEST(CommandLineParse, HelpVersionAndUnknownOptions)
{
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"Manual.ipj", "-h"}).action, Action::Help);
    EXPECT_EQ(parse({"--version"}).action, Action::Version);
    CommandLine unknown = parse({"Manual.ipj", "--frobnicate"});
    EXPECT_EQ(unknown.action, Action::Invalid);
    EXPECT_EQ(unknown.problem, "unknown option --frobnicate");
}

TEST(CommandLineRun, HelpAndVersionPrintAndSucceed)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine(parse({"--version"}), "1.2.3", out, err), 0);
    EXPECT_EQ(out.str(), "HTML Torvane 1.2.3\n");
    out.str("");
    EXPECT_EQ(runCommandLine(parse({"--help"}), "1.2.3", out, err), 0);
    EXPECT_NE(out.str().find("torvane PROJECT.ipj /makeindex"), std::string::npos);
    EXPECT_EQ(err.str(), "");
}

TEST(CommandLineRun, UnusableCommandLinesExitWithTwo)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine(parse({"--frobnicate"}), "1", out, err), 2);
    EXPECT_NE(err.str().find("unknown option --frobnicate"), std::string::npos);
    std::ostringstream noDesktop;
    EXPECT_EQ(reportNoDesktop(noDesktop), 2);
    EXPECT_NE(noDesktop.str().find("desktop program is not built"), std::string::npos);
}

// The desktop program is sought beside the running executable; one that is
// not there is reported, not run from elsewhere.
TEST(CommandLineRun, MissingDesktopProgramIsToldAndExitsWithTwo)
{
    std::ostringstream err;
    std::string name = "torvane";
    char* argv[] = {name.data(), nullptr};
    const std::string beside =
        std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/no-such-desktop-program";
    EXPECT_EQ(startDesktop(argv, "no-such-desktop-program", err), 2);
    EXPECT_EQ(err.str(), "torvane: cannot start the desktop program " + beside + ": No such file or directory\n");
}

} // namespace
} // namespace torvane

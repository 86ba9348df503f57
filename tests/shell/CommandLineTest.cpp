#include "shell/cli/CommandLine.h"
#include "shell/cli/DesktopStart.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>
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

// An existing project file, named so that a switch could be read into its path.
class ExistingProject : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(folder);
        std::ofstream(project) << "[Torvane]\r\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder.parent_path()); }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("torvane-line-" + std::to_string(::getpid())) / "makeindex";
    const std::string project = (folder / "Manual.ipj").string();
};

TEST_F(ExistingProject, OnlyAnExistingProjectOrAnExplicitRequestStartsTheDesktop)
{
    CommandLine plain = parse({project});
    EXPECT_EQ(plain.action, Action::Desktop);
    EXPECT_EQ(plain.projectPath, project);

    EXPECT_EQ(parse({}).action, Action::Desktop);
    // Only the switch, no project: nothing to make, the program starts as usual.
    CommandLine onlySwitch = parse({"/makeindex"});
    EXPECT_EQ(onlySwitch.action, Action::Desktop);
    EXPECT_EQ(onlySwitch.projectPath, "");
    // A blank between the slash and the word hides the switch; what is left
    // is no project and no subcommand.
    EXPECT_EQ(parse({project, "/", "makeindex"}).action, Action::Invalid);
    EXPECT_EQ(parse({project, "/ makeindex"}).action, Action::Invalid);
    EXPECT_EQ(parse({project, "/makeindexes"}).action, Action::Invalid);
    EXPECT_EQ(parse({project, "/makeindexes"}).problem, "unexpected argument '/makeindexes'");
    // The switch before the project would leave a script waiting on a window.
    CommandLine switchFirst = parse({"/makeindex", project});
    EXPECT_EQ(switchFirst.action, Action::Invalid);
    EXPECT_NE(switchFirst.problem.find("belongs after the project file"), std::string::npos);
    // A project not there yet opens only when asked for the desktop.
    CommandLine absent = parse({"Absent.ipj"});
    EXPECT_EQ(absent.action, Action::Invalid);
    EXPECT_EQ(absent.problem, "no project file Absent.ipj (a subcommand or an existing project file is expected)");
    CommandLine asked = parse({"--desktop", "Absent.ipj"});
    EXPECT_EQ(asked.action, Action::Desktop);
    EXPECT_EQ(asked.projectPath, "Absent.ipj");
}

TEST(CommandLineParse, AMistypedSubcommandIsRefusedWithTheNearestName)
{
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine(parse({"chek", "P.ipj"}), "1", out, err), 2);
    EXPECT_EQ(err.str(), "torvane: unknown command 'chek' (did you mean 'check'?)\n"
                         "Run 'torvane --help' for the commands.\n");
    EXPECT_EQ(parse({"maek-index"}).problem, "unknown command 'maek-index' (did you mean 'make-index'?)");
    EXPECT_EQ(parse({"Export", "P.ipj"}).problem, "unknown command 'Export' (did you mean 'export'?)");
    EXPECT_EQ(parse({"addurl"}).problem, "unknown command 'addurl' (did you mean 'add-url'?)");
    EXPECT_EQ(parse({"frobnicate"}).problem, "unknown command 'frobnicate'");
    EXPECT_EQ(parse({"x"}).problem, "unknown command 'x'");
}

TEST(DesktopDisplay, ADisplayIsNeededUnlessThePlatformDrawsNowhere)
{
    const std::filesystem::path sockets =
        std::filesystem::temp_directory_path() / ("torvane-x11-" + std::to_string(::getpid()));
    std::filesystem::create_directories(sockets);
    std::ofstream(sockets / "X0").put('\0');
    auto problem = [&](const char* platform, const char* x11, const char* wayland) {
        return missingDisplay({platform, x11, wayland, sockets.string()});
    };
    EXPECT_EQ(problem(nullptr, nullptr, nullptr),
              "the desktop program needs a display, and none is set (DISPLAY and WAYLAND_DISPLAY are empty)");
    EXPECT_EQ(problem("", "", ""), problem(nullptr, nullptr, nullptr));
    EXPECT_EQ(problem("xcb", nullptr, "wayland-0"), "the desktop program needs a display, and none is set "
                                                    "(DISPLAY is empty)");
    EXPECT_EQ(problem(nullptr, ":0", nullptr), std::nullopt);
    EXPECT_EQ(problem(nullptr, ":0.0", nullptr), std::nullopt);
    EXPECT_EQ(problem(nullptr, "unix:0", nullptr), std::nullopt);
    EXPECT_EQ(problem(nullptr, ":7", nullptr), "the desktop program cannot reach the display :7 (no X server "
                                               "listens there)");
    // A remote display cannot be looked at from here: it is left to the toolkit.
    EXPECT_EQ(problem(nullptr, "host:0", nullptr), std::nullopt);
    EXPECT_EQ(problem(nullptr, nullptr, "wayland-0"), std::nullopt);
    EXPECT_EQ(problem("wayland", ":0", nullptr), "the desktop program needs a display, and none is set "
                                                 "(WAYLAND_DISPLAY is empty)");
    EXPECT_EQ(problem("offscreen", nullptr, nullptr), std::nullopt);
    std::filesystem::remove_all(sockets);
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
    EXPECT_EQ(err.str(), "torvane: unknown option --frobnicate\nRun 'torvane --help' for the commands.\n");
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

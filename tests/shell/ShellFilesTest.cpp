#include "shell/cli/CommandLine.h"
#include "shell/cli/Subcommand.h"
#include "shell/cli/UsageArguments.h"
#include "support/FixtureProject.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace torvane {
namespace {

std::string output(const std::string& command)
{
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return text;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, read);
    ::pclose(pipe);
    return text;
}

std::set<std::string> optionsIn(const std::string& text)
{
    std::set<std::string> options;
    const std::regex option("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    return options;
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(UsageArguments, EveryUsageLineAgreesWithTheArgumentsItsSubcommandTakes)
{
    for (const Subcommand& command : subcommands()) {
        const std::vector<ArgumentSlot> slots = argumentSlots(command);
        ASSERT_FALSE(slots.empty()) << command.name;
        EXPECT_EQ(argumentCompletion(slots.front().name), ArgumentCompletion::Project) << command.name;
        std::size_t required = 0;
        bool repeats = false;
        for (const ArgumentSlot& slot : slots) {
            required += slot.optional ? 0 : 1;
            repeats = repeats || slot.repeats;
        }
        EXPECT_EQ(required, command.minArguments) << command.name;
        EXPECT_EQ(repeats ? kAnyNumber : slots.size(), command.maxArguments) << command.name;
        for (const OptionSpec& option : command.options)
            EXPECT_FALSE(option.summary.empty()) << command.name << " " << option.name;
    }
    const std::vector<ArgumentSlot> keptSlots = argumentSlots(*findSubcommand("forget-kept"));
    ASSERT_EQ(keptSlots.size(), 2u);
    EXPECT_TRUE(keptSlots[1].optional && keptSlots[1].repeats);
    EXPECT_EQ(keptSlots[1].name, "PAGE");
    EXPECT_EQ(optionChoices({"--format", true, "json|csv"}), (std::vector<std::string_view> {"json", "csv"}));
    EXPECT_TRUE(optionChoices({"--sort-as", true, "S"}).empty());

    // The first sentence of a help describes its subcommand in the completions' lists.
    EXPECT_EQ(firstSentence("Adds a cross-reference (\"HEADING. See LOCATOR\") to\nthe project. Then saves.\n"),
              "Adds a cross-reference (\"HEADING. See LOCATOR\") to the project.");
    EXPECT_EQ(firstSentence("Reports what is wrong, one line each:\n    PAGE: KIND\n"),
              "Reports what is wrong, one line each");
    EXPECT_EQ(firstSentence("Writes 2.5 entries\n"), "Writes 2.5 entries ");
}

#if defined(TORVANE_EXECUTABLE) && defined(TORVANE_SHELL_FILES)

TEST(ManPage, EachSubcommandHasTheOptionsTheProgramTakesAndShows)
{
    const std::string page =
        std::regex_replace(fileText(std::string(TORVANE_SHELL_FILES) + "/torvane.1"), std::regex(R"(\\-)"), "-");
    ASSERT_FALSE(page.empty());
    for (const Subcommand& command : subcommands()) {
        const std::string name(command.name);
        const std::size_t begin = page.find(".SS " + name + "\n");
        if (command.hidden) {
            EXPECT_EQ(begin, std::string::npos) << name;
            continue;
        }
        ASSERT_NE(begin, std::string::npos) << name;
        const std::size_t end = std::min(page.find("\n.SS ", begin + 1), page.find("\n.SH ", begin + 1));
        const std::set<std::string> shown = optionsIn(page.substr(begin, end - begin));
        const std::string help = output(std::string("'") + TORVANE_EXECUTABLE + "' " + name + " --help");
        EXPECT_EQ(shown, optionsIn(help)) << name;
        // Every option shown is one the program takes.
        for (const std::string& option : shown) {
            const OptionSpec* spec = nullptr;
            for (const OptionSpec& known : allOptions(command))
                spec = known.name == option ? &known : spec;
            std::vector<std::string> arguments {name, option};
            if (spec && spec->takesValue)
                arguments.push_back("x");
            arguments.push_back("--help");
            std::ostringstream out, err;
            EXPECT_EQ(runCommandLine(parseCommandLine(arguments), "test", out, err), 0) << name << " " << option;
        }
    }
}

TEST(ManPage, RendersWithoutWarnings)
{
    const std::string warnings =
        output(std::string("groff -man -ww -z -Tutf8 '") + TORVANE_SHELL_FILES + "/torvane.1' 2>&1");
    EXPECT_EQ(warnings, "");
    const std::string page =
        output(std::string("groff -man -Tutf8 -P-cbu '") + TORVANE_SHELL_FILES + "/torvane.1' 2>&1");
    EXPECT_NE(page.find("torvane add-entry PROJECT.ipj TARGET ENTRY [--sort-as S]"), std::string::npos) << page;
}

// Runs the generated completions as Tab would, with the program as built
// standing for "torvane", on a project of two pages, an anchor and a URL.
class Completion : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("TORVANE_PROFILE", fixture.path("profile.ini").c_str(), 1);
        fixture.write("a.htm", test::pageText("Apples", {"red"}));
        fixture.write("sub/b.htm", test::pageText("Pears"));
        fixture.writeProject({"a.htm", "sub\\b.htm"}, "URL=https://example.org/\r\n", "");
        // Bash splits the words at blanks and at ":" and "=", as its COMP_WORDBREAKS says.
        fixture.write("harness.sh", std::string("source '") + TORVANE_SHELL_FILES + "/torvane.bash'\n" + R"bash(
COMP_LINE=$1
COMP_POINT=${#1}
read -ra COMP_WORDS <<<"$(sed 's/\([=:]\)/ \1 /g' <<<"$1")"
[[ $1 == *' ' ]] && COMP_WORDS+=('')
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
_torvane
printf '%s\n' "${COMPREPLY[@]}" | sort
)bash");
    }
    void TearDown() override { ::unsetenv("TORVANE_PROFILE"); }

    // The offers of bash, one a line and sorted, for the command line up to the cursor.
    std::string offers(const std::string& line)
    {
        return output("cd '" + fixture.folder() + "' && bash harness.sh '" + TORVANE_EXECUTABLE + " " + line + "'");
    }
    // The offers of fish, without their descriptions.
    std::string fishOffers(const std::string& line)
    {
        const std::string folder = std::filesystem::path(TORVANE_EXECUTABLE).parent_path().string();
        return output("cd '" + fixture.folder() + "' && PATH='" + folder + "':$PATH fish -c \"source '" +
                      TORVANE_SHELL_FILES + "/torvane.fish'; complete -C 'torvane " + line + "'\" | cut -f1 | sort");
    }

    test::FixtureProject fixture;
};

TEST_F(Completion, BashOffersSubcommandsProjectsOptionsAndTheirValues)
{
    const std::string first = offers("");
    EXPECT_NE(first.find("add-entry\n"), std::string::npos) << first;
    EXPECT_NE(first.find("Fixture.ipj\n"), std::string::npos) << first;
    EXPECT_NE(first.find("sub\n"), std::string::npos) << first;
    EXPECT_EQ(first.find("a.htm"), std::string::npos) << first;
    EXPECT_EQ(first.find("complete-targets"), std::string::npos) << first;
    EXPECT_EQ(offers("--v"), "--version\n");
    EXPECT_EQ(offers("ch"), "check\n");
    EXPECT_EQ(offers("check Fix"), "Fixture.ipj\n");
    EXPECT_EQ(offers("check Fixture.ipj --"), "--help\n--json\n--quiet\n--strict\n");
    EXPECT_EQ(offers("export Fixture.ipj --format "), "csv\njson\n");
    // After "=" bash replaces only the value.
    EXPECT_EQ(offers("export Fixture.ipj --format=c"), "csv\n");
    EXPECT_EQ(offers("Fixture.ipj /m"), "/makeindex\n");
}

TEST_F(Completion, BashOffersTheProjectsTargetsWhereTheUsageAsksForThem)
{
    EXPECT_EQ(offers("add-entry Fixture.ipj a"), "a.htm\na.htm#red\n");
    // The value of an option is not a positional argument.
    EXPECT_EQ(offers("add-entry Fixture.ipj --sort-as A a.htm#"), "a.htm#red\n");
    EXPECT_EQ(offers("add-entry Fixture.ipj a.htm Entry "), "\n");
    EXPECT_EQ(offers("remove Fixture.ipj "), "a.htm\nhttps://example.org/\nsub/b.htm\n");
    EXPECT_EQ(offers("forget-kept Fixture.ipj a.htm "), "a.htm\nsub/b.htm\n");
    // Bash replaces the part after the URL's ":" only.
    EXPECT_EQ(offers("exclude Fixture.ipj a.htm https://ex"), "//example.org/\n");
    EXPECT_EQ(offers("add-files Fixture.ipj s"), "sub\n");
    EXPECT_EQ(offers("add-files Fixture.ipj -- --"), "\n");
}

TEST_F(Completion, FishOffersWhatBashOffers)
{
    if (output("command -v fish").empty())
        GTEST_SKIP() << "fish is not installed";
    const std::string first = fishOffers("");
    EXPECT_NE(first.find("add-entry\n"), std::string::npos) << first;
    EXPECT_NE(first.find("Fixture.ipj\n"), std::string::npos) << first;
    EXPECT_EQ(first.find("a.htm"), std::string::npos) << first;
    EXPECT_EQ(fishOffers("check Fixture.ipj --"), "--help\n--json\n--quiet\n--strict\n");
    EXPECT_EQ(fishOffers("export Fixture.ipj --format "), "csv\njson\n");
    EXPECT_EQ(fishOffers("add-entry Fixture.ipj --sort-as A a"), "a.htm\na.htm#red\n");
    EXPECT_EQ(fishOffers("add-entry Fixture.ipj a.htm Entry "), "");
    EXPECT_EQ(fishOffers("remove Fixture.ipj "), "a.htm\nhttps://example.org/\nsub/b.htm\n");
    EXPECT_EQ(fishOffers("add-files Fixture.ipj s"), "sub/\n");
}

TEST(ZshCompletion, ParsesAndAsksTheProgramForTargets)
{
    if (output("command -v zsh").empty())
        GTEST_SKIP() << "zsh is not installed";
    const std::string script = std::string(TORVANE_SHELL_FILES) + "/_torvane";
    EXPECT_EQ(output("zsh -n '" + script + "' 2>&1; echo $?"), "0\n");
    test::FixtureProject fixture;
    ::setenv("TORVANE_PROFILE", fixture.path("profile.ini").c_str(), 1);
    fixture.write("a.htm", test::pageText("Apples", {"red"}));
    fixture.writeProject({"a.htm"}, "", "");
    // The completion system's functions stand in as printers of what they are given.
    const std::string offered =
        output("cd '" + fixture.folder() + "' && zsh -c '_call_program() { shift; \"$@\" }; " +
               "compadd() { print -l -- ${(P)${@[-1]}} }; _arguments() { :; }; source " + script + "; " +
               "program=" + TORVANE_EXECUTABLE + " line=(Fixture.ipj) PREFIX=a.htm; _torvane_targets -J group target'");
    ::unsetenv("TORVANE_PROFILE");
    EXPECT_EQ(offered, "a.htm\na.htm#red\n");
}

#endif

} // namespace
} // namespace torvane

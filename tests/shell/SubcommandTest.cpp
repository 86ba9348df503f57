#include "shell/cli/CommandLine.h"
#include "shell/cli/Subcommand.h"
#include "shell/SubcommandFixture.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <sstream>

namespace torvane {
namespace {

using test::pageText;
using test::storedEntry;
using test::Subcommands;

TEST_F(Subcommands, TheFirstArgumentNamesTheSubcommand)
{
    const CommandLine check = parseCommandLine({"check", "P.ipj", "--json"});
    EXPECT_EQ(check.action, CommandLine::Action::Subcommand);
    EXPECT_EQ(check.subcommand, "check");
    EXPECT_EQ(check.arguments, (std::vector<std::string> {"P.ipj", "--json"}));
    // Elsewhere the word is a project file's name, as before.
    EXPECT_EQ(parseCommandLine({fixture.projectFile(), "check"}).action, CommandLine::Action::Invalid);
    EXPECT_EQ(parseCommandLine({"P.ipj", "/makeindex"}).action, CommandLine::Action::MakeIndex);

    EXPECT_EQ(run({"--help"}), 0);
    for (const Subcommand& command : subcommands()) {
        // The helper of the completions is left out of the usage.
        EXPECT_EQ(out.str().find("torvane " + std::string(command.synopsis)) == std::string::npos, command.hidden)
            << command.name;
    }
}

TEST_F(Subcommands, EachHasItsHelpAndRefusesCommandLinesItCannotRun)
{
    for (const Subcommand& command : subcommands()) {
        const std::string name(command.name);
        EXPECT_EQ(run({name, "--help"}), 0) << name;
        EXPECT_EQ(out.str().rfind("Usage: torvane " + name, 0), 0u) << name;
        EXPECT_NE(out.str().find("Exit status"), std::string::npos) << name;

        EXPECT_EQ(run({name}), 2) << name;
        EXPECT_NE(err.str().find("no project file given"), std::string::npos) << name;
        EXPECT_EQ(run({name, fixture.projectFile(), "--no-such-option"}), 2) << name;
        EXPECT_NE(err.str().find("unknown option --no-such-option"), std::string::npos) << name;
        // A project that cannot be opened, with the arguments the subcommand
        // needs; init makes the project, so there is none that it cannot open.
        if (name == "init")
            continue;
        std::vector<std::string> unopenable {name, fixture.path("none.ipj"), "a.htm", "Entry"};
        unopenable.resize(command.minArguments + 1);
        EXPECT_EQ(run(unopenable), 2) << name;
        EXPECT_NE(err.str().find("cannot open the project"), std::string::npos) << name;
    }
    EXPECT_EQ(on("check", {"extra"}), 2);
    EXPECT_NE(err.str().find("too many arguments"), std::string::npos);
    EXPECT_EQ(on("add-entry", {"a.htm"}), 2);
    EXPECT_EQ(on("export", {"--format", "xml"}), 2);
    EXPECT_NE(err.str().find("unknown format xml"), std::string::npos);
}

TEST_F(Subcommands, MakeIndexWritesTheIndexAndTellsAFailure)
{
    EXPECT_EQ(on("make-index"), 0) << err.str();
    EXPECT_NE(fixture.read("Fixture.htm").find("Apples"), std::string::npos);
    EXPECT_EQ(err.str(), "");

    std::filesystem::remove(fixture.path("Fixture.htm"));
    fixture.write("Fixture.htm/keeps-the-folder", "");
    EXPECT_EQ(on("make-index"), 1);
    EXPECT_NE(err.str().find("Error creating new index"), std::string::npos);
}

TEST_F(Subcommands, AddEntryTakesTheDialogsDefaultsAndRefusesWhatItWould)
{
    EXPECT_EQ(on("add-entry", {"sub\\b.htm", "Pears ,green", "--help-title", "Say \\\"hi\\\""}), 0) << err.str();
    EXPECT_NE(
        fixture.read("sub/b.htm")
            .find("    Target=\"#\"\r\n" + std::string("        IndexAs=\"Pears, green\",SortAs=\"Pears, green\","
                                                       "HelpAs=\"Pears, green\",HelpTitle=\"Say &quot;hi&quot;\"")),
        std::string::npos);
    EXPECT_EQ(on("add-entry", {"a.htm#red", "Red", "--sort-as", "red", "--index-target", "_blank"}), 0);
    EXPECT_NE(fixture.read("a.htm").find("Target=\"red\"\r\n        IndexAs=\"Red\",SortAs=\"red\""),
              std::string::npos);
    EXPECT_EQ(on("add-entry", {"https://example.org/", "Sample"}), 0);
    EXPECT_NE(project().find("IndexAs=\"Sample\""), std::string::npos);

    const std::string page = fixture.read("a.htm");
    const std::string listed = project();
    EXPECT_EQ(on("add-entry", {"a.htm#blue", "Blue"}), 1);
    EXPECT_EQ(err.str(), "torvane add-entry: a.htm#blue: not a page, anchor or URL of the project\n");
    EXPECT_EQ(on("add-entry", {"a.htm", "Say \"hi"}), 1);
    EXPECT_NE(err.str().find("torvane add-entry: Say \"hi: the entry text holds a quotation mark without a backslash"),
              std::string::npos);
    EXPECT_EQ(on("add-entry", {"a.htm", "Fine", "--help-frame", "<!-- HTML Torvane"}), 1);
    EXPECT_EQ(err.str(),
              "torvane add-entry: Fine: the help frame holds \"<!-- HTML Torvane\" or \"HTML Torvane -->\"\n");
    // Each refusal names its field.
    EXPECT_EQ(on("add-entry", {"a.htm", "Fine", "--sort-as", "  "}), 1);
    EXPECT_EQ(err.str(), "torvane add-entry: Fine: the sort key (--sort-as) is empty\n");
    EXPECT_EQ(on("add-entry", {"a.htm", "   "}), 1);
    EXPECT_NE(err.str().find("the entry text is empty"), std::string::npos);
    EXPECT_EQ(fixture.read("a.htm"), page);
    EXPECT_EQ(project(), listed);
}

TEST_F(Subcommands, AnEditWhosePageCannotBeWrittenFails)
{
    fixture.writeProject({"a.htm", "gone.htm"});
    EXPECT_EQ(on("add-entry", {"gone.htm", "Gone"}), 1);
    // One line per problem, each naming the page, not a dialog's text.
    EXPECT_NE(err.str().find("torvane add-entry: " + fixture.path("gone.htm") + ": cannot open input: file not found"),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("torvane add-entry: " + fixture.projectFile() + ": the project was not saved completely"),
              std::string::npos);
    EXPECT_EQ(err.str().find("Report File Errors"), std::string::npos);
    EXPECT_EQ(err.str().find("diagnostic information"), std::string::npos);
}

TEST_F(Subcommands, ExcludeAndRemoveWorkOnTheNamedPlacesOnly)
{
    EXPECT_EQ(on("exclude", {"a.htm#red", "https://example.org/"}), 0) << err.str();
    EXPECT_NE(fixture.read("a.htm").find("Target=\"red\"\r\n        IndexAs=\"\""), std::string::npos);
    // The page itself keeps its entry.
    EXPECT_NE(fixture.read("a.htm").find("IndexAs=\"Apples\""), std::string::npos);
    EXPECT_NE(project().find("URL=https://example.org/\r\nIndexAs=\"\""), std::string::npos);

    EXPECT_EQ(on("exclude", {"nothing.htm"}), 1);
    EXPECT_EQ(on("remove", {"a.htm#red"}), 1);
    EXPECT_NE(err.str().find("only pages and URLs can be removed"), std::string::npos);
    EXPECT_EQ(on("remove", {"sub/b.htm", "missing.htm"}), 1);
    EXPECT_NE(project().find("File=sub\\b.htm"), std::string::npos);

    const std::string page = fixture.read("sub/b.htm");
    EXPECT_EQ(on("remove", {"sub/b.htm", "https://example.org/"}), 0) << err.str();
    EXPECT_EQ(project().find("File=sub\\b.htm"), std::string::npos);
    EXPECT_EQ(project().find("URL="), std::string::npos);
    EXPECT_NE(project().find("File=a.htm"), std::string::npos);
    EXPECT_EQ(fixture.read("sub/b.htm"), page);
}

TEST_F(Subcommands, ForgetKeptListsAndDropsTheEntriesOfVanishedAnchors)
{
    const std::string a =
        pageText("Apples", {"red"},
                 "    Target=\"#\"\r\n" + storedEntry("Apples", "apples") + "    Target=\"gone\"\r\n" +
                     storedEntry("Old", "old") + storedEntry("Older", "older"));
    const std::string b = pageText("Pears", {}, "    Target=\"lost\"\r\n" + storedEntry("Lost", "lost"));
    fixture.write("a.htm", a);
    fixture.write("sub/b.htm", b);

    EXPECT_EQ(on("forget-kept", {"--dry-run"}), 0) << err.str();
    // In tree order: folders before pages.
    EXPECT_EQ(out.str(), fixture.path("sub/b.htm") + ": entries of the missing target \"lost\": Lost\n" +
                             fixture.path("a.htm") + ": entries of the missing target \"gone\": Old; Older\n");
    EXPECT_EQ(fixture.read("a.htm"), a);
    EXPECT_EQ(fixture.read("sub/b.htm"), b);

    EXPECT_EQ(on("forget-kept", {"sub\\b.htm", "none.htm"}), 1);
    EXPECT_TRUE(err.str().ends_with("\ntorvane forget-kept: none.htm: not a listed page\n")) << err.str();
    EXPECT_EQ(fixture.read("sub/b.htm"), b);

    EXPECT_EQ(on("forget-kept", {"sub\\b.htm"}), 0) << err.str();
    EXPECT_EQ(out.str(), fixture.path("sub/b.htm") + ": entries of the missing target \"lost\": Lost\n");
    EXPECT_EQ(fixture.read("sub/b.htm").find("Lost"), std::string::npos);
    EXPECT_EQ(fixture.read("a.htm"), a);

    EXPECT_EQ(on("forget-kept"), 0) << err.str();
    const std::string forgotten = fixture.read("a.htm");
    EXPECT_EQ(forgotten.find("gone"), std::string::npos);
    EXPECT_NE(forgotten.find(storedEntry("Apples", "apples")), std::string::npos);
    EXPECT_EQ(on("forget-kept", {"--dry-run"}), 0);
    EXPECT_EQ(out.str(), "");
}

TEST_F(Subcommands, AddFilesTakesPagesAndFoldersBelowTheProjectFolder)
{
    fixture.write("new/one.htm", pageText("One"));
    fixture.write("new/deep/two.html", pageText("Two"));
    fixture.write("new/notes.txt", "not a page");
    fixture.write("three.htm", pageText("Three"));
    EXPECT_EQ(on("add-files", {"new", fixture.path("three.htm"), "a.htm"}), 0) << err.str();
    for (const char* line : {"File=new\\one.htm", "File=new\\deep\\two.html", "File=three.htm", "File=a.htm"})
        EXPECT_NE(project().find(line), std::string::npos) << line;
    EXPECT_EQ(project().find("notes.txt"), std::string::npos);

    const std::string listed = project();
    EXPECT_EQ(on("add-files", {"new/notes.txt"}), 1);
    EXPECT_NE(err.str().find("does not have a valid extension"), std::string::npos);
    EXPECT_EQ(on("add-files", {"../elsewhere.htm"}), 1);
    EXPECT_NE(err.str().find("torvane add-files: ../elsewhere.htm: not below the project folder"), std::string::npos);
    EXPECT_EQ(on("add-files", {"four.htm"}), 1);
    EXPECT_EQ(err.str(), "torvane add-files: four.htm: does not exist\n");
    std::filesystem::create_directories(fixture.path("empty"));
    EXPECT_EQ(on("add-files", {"three.htm", "empty"}), 1);
    EXPECT_NE(err.str().find("holds no page"), std::string::npos);
    EXPECT_EQ(project(), listed);

    // A second name of a listed page, or of a page named beside it, and names
    // the project file cannot list are refused, and nothing is added.
    std::filesystem::create_symlink("a.htm", fixture.path("alias.htm"));
    std::filesystem::create_symlink("five.htm", fixture.path("six.htm"));
    fixture.write("five.htm", pageText("Five"));
    fixture.write("back\\slash.htm", pageText("Back"));
    fixture.write("line\nbreak.htm", pageText("Break"));
    EXPECT_EQ(on("add-files", {"alias.htm"}), 1);
    EXPECT_EQ(err.str(), "torvane add-files: alias.htm: another name of the listed page a.htm\n");
    EXPECT_EQ(on("add-files", {"five.htm", "six.htm"}), 1);
    EXPECT_EQ(err.str(), "torvane add-files: six.htm: another name of five.htm\n");
    EXPECT_EQ(on("add-files", {"five.htm", "back\\slash.htm"}), 1);
    EXPECT_NE(err.str().find("holding a backslash or a line break cannot be listed"), std::string::npos);
    EXPECT_EQ(on("add-files", {"line\nbreak.htm"}), 1);
    EXPECT_EQ(project(), listed);
}

TEST_F(Subcommands, AddUrlAndAddXrefActAsTheirDialogs)
{
    EXPECT_EQ(on("add-url", {"  https://example.com/a", "https://example.org/"}), 0) << err.str();
    EXPECT_NE(project().find("URL=https://example.com/a\r\n"), std::string::npos);
    EXPECT_EQ(on("add-url", {"https://example.net/", " \t"}), 1);
    EXPECT_EQ(project().find("example.net"), std::string::npos);
    // A URL the project file could not give back is a refusal too, and the others are not added.
    EXPECT_EQ(on("add-url", {"https://example.net/", "https://example.net/x\\"}), 1);
    EXPECT_NE(err.str().find("torvane add-url: https://example.net/x\\: "), std::string::npos) << err.str();
    EXPECT_EQ(project().find("example.net"), std::string::npos);

    EXPECT_EQ(on("add-xref", {"Pomes ,apples", "Apples", "--no-link"}), 0) << err.str();
    EXPECT_NE(project().find("Heading=\"Pomes, apples\",HeadingSort=\"Pomes, apples\",Separator=\".\","
                             "Reference=\"<i>See</i>\",Locator=\"Apples\",LocatorSort=\"Apples\",LinkToLocator=\"0\""),
              std::string::npos);
    const std::string listed = project();
    EXPECT_EQ(on("add-xref", {"Orchard", " "}), 1);
    EXPECT_EQ(err.str(), "torvane add-xref: Orchard: the locator is empty\n"
                         "torvane add-xref: Orchard: the locator's sort key is empty\n");
    EXPECT_EQ(on("add-xref", {"Orchard", "Trees", "--separator", "\\"}), 1);
    EXPECT_NE(err.str().find("the separator holds a backslash before neither"), std::string::npos);
    EXPECT_EQ(project(), listed);
}

TEST_F(Subcommands, CompleteTargetsListsWhatEachKindOfArgumentTakes)
{
    EXPECT_EQ(on("complete-targets"), 0) << err.str();
    EXPECT_EQ(out.str(), "sub/b.htm\na.htm\na.htm#red\nhttps://example.org/\n");
    EXPECT_EQ(on("complete-targets", {"a.htm#"}), 0);
    EXPECT_EQ(out.str(), "a.htm#red\n");
    EXPECT_EQ(on("complete-targets", {"--kind", "page"}), 0);
    EXPECT_EQ(out.str(), "sub/b.htm\na.htm\n");
    EXPECT_EQ(on("complete-targets", {"--kind=page-or-url", "h"}), 0);
    EXPECT_EQ(out.str(), "https://example.org/\n");
    EXPECT_EQ(on("complete-targets", {"--kind", "anchor"}), 2);
    EXPECT_NE(err.str().find("unknown kind anchor"), std::string::npos);
}

} // namespace
} // namespace torvane

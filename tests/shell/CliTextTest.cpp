#include "platform/FileReports.h"
#include "shell/cli/CliMessages.h"
#include "shell/cli/CliOptions.h"
#include "shell/cli/CliReportPresenter.h"
#include "shell/cli/JsonText.h"
#include "shell/cli/JsonValue.h"
#include "shell/cli/TerminalProgress.h"
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace torvane {
namespace {

TEST(CliOptions, FlagsValuesAndPositionalsAreSortedOut)
{
    CliArguments parsed;
    EXPECT_EQ(parseArguments({"P.ipj", "--json", "--format", "csv", "a", "--sort-as=x=y", "--", "--b", "-"},
                             {{"--json"}, {"--format", true}, {"--sort-as", true}}, parsed),
              std::nullopt);
    EXPECT_EQ(parsed.positionals, (std::vector<std::string> {"P.ipj", "a", "--b", "-"}));
    EXPECT_TRUE(parsed.has("--json"));
    EXPECT_FALSE(parsed.has("--strict"));
    EXPECT_EQ(parsed.value("--format"), "csv");
    EXPECT_EQ(parsed.value("--sort-as"), "x=y");
    EXPECT_EQ(parsed.value("--help-as"), std::nullopt);

    CliArguments common;
    EXPECT_EQ(parseArguments({"--quiet", "--help"}, {}, common), std::nullopt);
    EXPECT_TRUE(common.has("--quiet") && common.has("--help"));
}

TEST(JsonValue, ReadsWhatExportWritesBack)
{
    const std::string bytes = std::string("a\"b\\c\r\n\t\x01") + "\xC3\xA9";
    std::string problem;
    const auto read = parseJson("{\"text\": " + jsonString(bytes) +
                                    ", \"list\": [true, false, null, -1.5e3], \"nested\": {\"x\": []}}",
                                problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(read->member("text")->text, bytes);
    const JsonValue& list = *read->member("list");
    ASSERT_EQ(list.items.size(), 4u);
    EXPECT_TRUE(list.items[0].boolean);
    EXPECT_EQ(list.items[1].kind, JsonValue::Kind::Boolean);
    EXPECT_FALSE(list.items[1].boolean);
    EXPECT_EQ(list.items[2].kind, JsonValue::Kind::Null);
    EXPECT_EQ(list.items[3].text, "-1.5e3");
    EXPECT_EQ(read->member("nested")->member("x")->kind, JsonValue::Kind::Array);
    EXPECT_EQ(read->member("none"), nullptr);
    // Escapes beyond the first plane come as surrogate pairs.
    EXPECT_EQ(parseJson("\"\\u00e9\\ud83d\\ude00\\/\"", problem)->text, "\xC3\xA9\xF0\x9F\x98\x80/");
}

TEST(JsonValue, TellsWhatIsWrongAndWhere)
{
    std::string problem;
    for (const auto& [text, expected] : std::vector<std::pair<std::string, std::string>> {
             {"{\"a\": 1", "a comma or closing brace is missing at character 8"},
             {"[1 2]", "a comma or closing bracket is missing at character 4"},
             {"\"open", "a string is not closed at character 6"},
             {"\"\\ud800\"", "a lone surrogate at character 8"},
             {"{1: 2}", "a member name is missing at character 2"},
             {"{} x", "text after the value at character 4"},
             {"", "a value is missing at character 1"},
             {std::string(300, '['), "values nested too deeply at character 202"}}) {
        problem.clear();
        EXPECT_FALSE(parseJson(text, problem)) << text;
        EXPECT_EQ(problem, expected) << text;
    }
}

TEST(CliOptions, UnknownOptionsAndMissingValuesAreRefused)
{
    CliArguments parsed;
    EXPECT_EQ(parseArguments({"--strict"}, {{"--json"}}, parsed), "unknown option --strict");
    EXPECT_EQ(parseArguments({"--format"}, {{"--format", true}}, parsed), "option --format needs a value");
    EXPECT_EQ(parseArguments({"--json=1"}, {{"--json"}}, parsed), "option --json takes no value");
}

TEST(JsonText, EscapesAndShowsCodePageBytesOneCharacterEach)
{
    EXPECT_EQ(jsonString("plain"), "\"plain\"");
    EXPECT_EQ(jsonString("a\"b\\c\r\n\t\x01"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001\"");
    // UTF-8 passes unchanged; a Latin-1 "é" (one byte) becomes the character U+00E9.
    EXPECT_EQ(jsonString("caf\xC3\xA9"), "\"caf\xC3\xA9\"");
    EXPECT_EQ(jsonString("caf\xE9"), "\"caf\xC3\xA9\"");
    // windows-1252 at 0x80 to 0x9F, its unassigned bytes as the code point of their number.
    EXPECT_EQ(jsonString("\x80\x8A\x91\x9F\x81\x9D"), "\"\xE2\x82\xAC\xC5\xA0\xE2\x80\x98\xC5\xB8\xC2\x81\xC2\x9D\"");

    EXPECT_EQ(csvField("plain"), "plain");
    EXPECT_EQ(csvField("Fruit, Apples"), "\"Fruit, Apples\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("\xE9"), "\xC3\xA9");
}

// Reports and messages the desktop shows as dialogs come out as one line per
// problem, each naming its page, without the dialogs' titles and headings.
TEST(CliMessages, OneLinePerProblemWithTheSubcommandAndThePage)
{
    std::ostringstream err;
    CliReportPresenter presenter(err, false, "make-index");
    FileReports reports;
    reports.logFileError({FileOperation::OpenInput, "/p/a, b.htm", static_cast<FileCause>(2), 2});
    reports.logFileError({FileOperation::Write, "/p/c.htm", static_cast<FileCause>(13), 0});
    reports.logFileError({FileOperation::Read, "/p/d.htm", static_cast<FileCause>(99), 5});
    reports.logReadOnlyFile("/p/e.htm");
    reports.logPageProblem("/p/f.htm: entries of the missing target \"x\": X");
    reports.reportFileErrors(presenter);
    reports.reportReadOnlyFiles(presenter);
    reports.reportPageProblems(presenter);
    EXPECT_EQ(err.str(), "torvane make-index: /p/a, b.htm: cannot open input: file not found (system error 2)\n"
                         "torvane make-index: /p/c.htm: cannot write: disk full\n"
                         "torvane make-index: /p/d.htm: cannot read: unknown cause (system error 5)\n"
                         "torvane make-index: /p/e.htm: read-only: entries cannot be saved into it\n"
                         "torvane make-index: /p/f.htm: entries of the missing target \"x\": X\n");
    EXPECT_TRUE(presenter.fileErrorsShown());

    std::ostringstream quietErr;
    CliReportPresenter quiet(quietErr, true, "check");
    reports.logFileError({FileOperation::OpenInput, "/p/a.htm", static_cast<FileCause>(2), 2});
    reports.reportFileErrors(quiet);
    EXPECT_EQ(quietErr.str(), "");
    EXPECT_TRUE(quiet.fileErrorsShown());

    std::ostringstream messages;
    CliMessageSink sink(messages, "");
    sink.showMessage("Error creating new index:\n  /p/i.htm");
    sink.showMessage("These files were not added: each is another name.\n\n/p/b.htm\n    the same file as /p/a.htm\n");
    EXPECT_FALSE(sink.askYesNo("Save changes?", false));
    EXPECT_TRUE(sink.askYesNo("Continue?", true));
    EXPECT_EQ(messages.str(), "torvane: Error creating new index: /p/i.htm\n"
                              "torvane: These files were not added: each is another name.\n"
                              "torvane: /p/b.htm the same file as /p/a.htm\n"
                              "torvane: Save changes? (No)\n"
                              "torvane: Continue? (Yes)\n");
}

TEST(TerminalProgress, OneRewrittenLineOnlyWhenEnabled)
{
    std::ostringstream shown;
    TerminalProgress progress(shown, true);
    progress.begin("Save Project Progress", 2, false);
    EXPECT_TRUE(progress.step(0, "/docs/a.htm"));
    progress.end();
    const std::string text = shown.str();
    EXPECT_EQ(text.find('\n'), std::string::npos);
    // Labelled for a terminal, not with the dialog's title.
    EXPECT_NE(text.find("\rSaving pages 1/2 /docs/a.htm"), std::string::npos);
    // The end wipes the line and leaves the cursor at its start.
    EXPECT_EQ(text.substr(text.size() - 2), " \r");

    std::ostringstream longPath;
    TerminalProgress narrow(longPath, true);
    narrow.begin("Add Files Progress", 1, true);
    narrow.step(0, std::string(200, 'x') + "/end.htm");
    EXPECT_NE(longPath.str().find("\rReading pages 1/1 ...xxx"), std::string::npos);
    EXPECT_NE(longPath.str().find("/end.htm"), std::string::npos);
    EXPECT_LE(longPath.str().size(), 2 * 80u);

    std::ostringstream hidden;
    TerminalProgress quiet(hidden, false);
    quiet.begin("Add Files Progress", 3, true);
    EXPECT_TRUE(quiet.step(0, "a"));
    quiet.end();
    EXPECT_EQ(hidden.str(), "");
}

} // namespace
} // namespace torvane

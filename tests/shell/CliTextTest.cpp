#include "shell/cli/CliOptions.h"
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

    EXPECT_EQ(csvField("plain"), "plain");
    EXPECT_EQ(csvField("Fruit, Apples"), "\"Fruit, Apples\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("\xE9"), "\xC3\xA9");
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
    EXPECT_NE(text.find("\rSave Project Progress 1/2 /docs/a.htm"), std::string::npos);
    // The end wipes the line and leaves the cursor at its start.
    EXPECT_EQ(text.substr(text.size() - 2), " \r");

    std::ostringstream longPath;
    TerminalProgress narrow(longPath, true);
    narrow.begin("Add Files Progress", 1, true);
    narrow.step(0, std::string(200, 'x') + "/end.htm");
    EXPECT_NE(longPath.str().find("...xxx"), std::string::npos);
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

#include "document/CrossReferenceRules.h"
#include "document/EntryFieldRules.h"
#include "sources/StoredValues.h"
#include "support/FieldMessages.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

using test::kBackslash;
using test::kHeading;
using test::kMarker;
using test::kQuote;
using test::kRequired;
using test::typedEntry;

std::string messageFor(IndexEntryValues values)
{
    const FieldProblems problems = checkEntryTexts(values);
    return problems.any() ? problemMessage(problems) : std::string();
}

TEST(EntryFieldRules, BackslashesMayOnlyEscapeCommasQuotesAndBackslashes)
{
    EXPECT_TRUE(hasStrayBackslash("\\"));
    EXPECT_TRUE(hasStrayBackslash("a\\b"));
    EXPECT_TRUE(hasStrayBackslash("a\\\\\\"));
    EXPECT_FALSE(hasStrayBackslash("\\,"));
    EXPECT_FALSE(hasStrayBackslash("\\\\b"));
    EXPECT_FALSE(hasStrayBackslash("say \\\"hi\\\""));
    // The pair is skipped whole: the second backslash does not escape the b.
    EXPECT_TRUE(hasStrayBackslash("\\\\\\b"));

    EXPECT_TRUE(hasBareQuote("a\"b"));
    EXPECT_FALSE(hasBareQuote("a\\\"b"));
    // An escaped backslash leaves the quote after it bare.
    EXPECT_TRUE(hasBareQuote("a\\\\\"b"));
    EXPECT_FALSE(hasBareQuote("a\\\\\\\"b"));

    EXPECT_TRUE(hasBlockMarker("x <!-- HTML Torvane y"));
    EXPECT_TRUE(hasBlockMarker("HTML Torvane -->"));
    EXPECT_FALSE(hasBlockMarker("<!-- html torvane"));
}

TEST(EntryFieldRules, MessageListsEachKindOfProblemOnceInItsOrder)
{
    FieldProblems all;
    all.required = all.marker = all.quote = all.backslash = true;
    EXPECT_EQ(problemMessage(all), kHeading + kRequired + kMarker + kQuote + kBackslash);

    EXPECT_EQ(messageFor(typedEntry("", "", "", "")), kHeading + kRequired);
    EXPECT_EQ(messageFor(typedEntry("a\"", "b\"", "\\", "<!-- HTML Torvane")),
              kHeading + kMarker + kQuote + kBackslash);
    // Help and sort text are required once there is a formatted entry.
    EXPECT_EQ(messageFor(typedEntry("apples", "", "", "apples")), kHeading + kRequired);
    EXPECT_EQ(messageFor(typedEntry("apples", "apples", "", "")), kHeading + kRequired);
    EXPECT_EQ(messageFor(typedEntry("apples", "apples", "", "apples")), "");
    EXPECT_EQ(messageFor(typedEntry("apples", "apples", "", "\\")), kHeading + kBackslash);
    EXPECT_EQ(messageFor(typedEntry("apples", "apples", "", "\\,")), "");
    // Blanks alone are an empty field.
    EXPECT_EQ(messageFor(typedEntry("  \t", "x", "", "x")), kHeading + kRequired);
    // A pasted line break inside a field could not be given back by the page.
    EXPECT_EQ(messageFor(typedEntry("two\nlines", "x", "", "x")),
              kHeading + "\n  " + std::string(kValueHasLineBreak) + "\n");
}

TEST(EntryFieldRules, ChecksTrimTheFieldsInPlace)
{
    IndexEntryValues values = typedEntry("  apples ", " help\t", "  ", " sort ");
    values.indexTarget = " frame ";
    EXPECT_FALSE(checkEntryTexts(values).any());
    EXPECT_EQ(values.indexAs, "apples");
    EXPECT_EQ(values.helpAs, "help");
    EXPECT_EQ(values.helpTitle, "");
    EXPECT_EQ(values.sortAs, "sort");
    EXPECT_EQ(values.indexTarget, " frame ");

    values.helpWindow = " \"w\" ";
    values.helpFrame = "<!-- HTML Torvane";
    const FieldProblems problems = checkEntryTargets(values);
    EXPECT_EQ(values.indexTarget, "frame");
    EXPECT_EQ(values.helpWindow, "\"w\"");
    EXPECT_FALSE(problems.required);
    EXPECT_EQ(problemMessage(problems), kHeading + kMarker + kQuote);

    IndexEntryValues noTargets;
    EXPECT_FALSE(checkEntryTargets(noTargets).any());
}

TEST(EntryFieldRules, CommasGetExactlyOneBlankAfterThem)
{
    EXPECT_EQ(normaliseCommas("apples ,pears"), "apples, pears");
    EXPECT_EQ(normaliseCommas("apples   ,    pears"), "apples, pears");
    EXPECT_EQ(normaliseCommas("a,b,c"), "a, b, c");
    EXPECT_EQ(normaliseCommas("apples\\,  pears"), "apples\\,  pears");
    EXPECT_EQ(normaliseCommas("apples,"), "apples,");
    EXPECT_EQ(normaliseCommas("apples ,  "), "apples,");
    // An escaped backslash does not escape the comma after it.
    EXPECT_EQ(normaliseCommas("a\\\\,b"), "a\\\\, b");
    EXPECT_EQ(normaliseCommas(""), "");
}

TEST(EntryFieldRules, HelpTextsTurnEscapedQuotesIntoEntities)
{
    EXPECT_EQ(convertHelpEscapes("Say \\\"Hi\\\""), "Say &quot;Hi&quot;");
    EXPECT_EQ(convertHelpEscapes("a\\\\b\\,c"), "a\\\\b\\,c");
    EXPECT_EQ(convertHelpEscapes("a\\\\\\\"b"), "a\\\\&quot;b");
    EXPECT_EQ(convertHelpEscapes("bare\"quote\\"), "barequote");

    IndexEntryValues values = typedEntry("Say \\\"Hi\\\" ,there", "Say \\\"Hi\\\"", "", "say ,hi");
    finishEntryTexts(values);
    EXPECT_EQ(values.indexAs, "Say \\\"Hi\\\", there");
    EXPECT_EQ(values.helpAs, "Say &quot;Hi&quot;");
    EXPECT_EQ(values.helpTitle, "Untitled");
    EXPECT_EQ(values.sortAs, "say, hi");

    values.helpTitle = "Say \\\"Hi\\\"";
    finishEntryTexts(values);
    EXPECT_EQ(values.helpTitle, "Say &quot;Hi&quot;");
}

CrossReferenceValues filled()
{
    return {"Fruit", "Fruit", ".", "<i>See</i>", "Apples", "Apples", true};
}

// The message and the field that gets the focus, "" when the values pass.
std::pair<std::string, int> refusalOf(CrossReferenceValues values)
{
    const std::optional<FieldRefusal> refusal = checkCrossReference(values);
    return refusal ? std::pair(refusal->message, refusal->field) : std::pair(std::string(), -1);
}

TEST(CrossReferenceRules, CheckTrimsAndRequiresAllButTheSeparator)
{
    CrossReferenceValues values = {"  Fruit ", "\tFruit", "  ", " <i>See</i>", "Apples  ", " apples ", false};
    EXPECT_FALSE(checkCrossReference(values).has_value());
    EXPECT_EQ(values, (CrossReferenceValues {"Fruit", "Fruit", "", "<i>See</i>", "Apples", "apples", false}));

    // The locator's sort text is required even when the locator is no link.
    values.locatorSort = " ";
    EXPECT_EQ(refusalOf(values), std::pair(kHeading + kRequired, int(FieldLocatorSort)));

    // Required comes before the quote part; the focus goes to the first field in error.
    values = filled();
    values.heading = "Say \"hi";
    values.locator = "";
    EXPECT_EQ(refusalOf(values), std::pair(kHeading + kRequired + kQuote, int(FieldHeading)));

    values = filled();
    values.reference = "HTML Torvane -->";
    values.separator = "\\";
    EXPECT_EQ(refusalOf(values), std::pair(kHeading + kMarker + kBackslash, int(FieldSeparator)));
}

TEST(CrossReferenceRules, NormalisingTouchesAllSixTextsAndFreshValuesAreTheDefaults)
{
    CrossReferenceValues values = {"a ,b", "c,d", ",", "e ,f", "g,h", "i , j", true};
    normaliseCrossReferenceCommas(values);
    EXPECT_EQ(values, (CrossReferenceValues {"a, b", "c, d", ",", "e, f", "g, h", "i, j", true}));

    EXPECT_EQ(freshCrossReference(), (CrossReferenceValues {"", "", ".", "<i>See</i>", "", "", true}));
    EXPECT_FALSE(freshCrossReference(false).linkToLocator);
}

} // namespace
} // namespace torvane

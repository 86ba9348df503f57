#include "generate/EntryLevels.h"
#include "generate/IndexGenerator.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

struct Entry {
    std::string sortAs, indexAs, helpAs, url;
};

void add(IndexGenerator& generator, const Entry& e)
{
    generator.addEntry(e.sortAs, e.indexAs, e.helpAs.empty() ? e.indexAs : e.helpAs, e.url, "", "Untitled", "", "");
}

std::vector<std::string> topTexts(const IndexGenerator& generator)
{
    std::vector<std::string> texts;
    for (const IndexNode* node : generator.topLevelNodes())
        texts.emplace_back(node->text());
    return texts;
}

std::vector<std::string> addresses(const IndexNode& node)
{
    std::vector<std::string> result;
    for (const LocatorLink* link : node.locators())
        result.emplace_back(link->address());
    return result;
}

TEST(IndexGeneratorSort, KeysEqualIgnoringCaseAreOrderedByDisplayThenKindThenAddress)
{
    IndexGenerator generator;
    add(generator, {"APPLE", "apple", "", "c.htm"});
    add(generator, {"apple", "Banana", "", "a.htm"});
    add(generator, {"Apple", "Apple", "", "B.htm"});
    add(generator, {"Apple", "Apple", "", "a.htm"});
    generator.addCrossReference("Apple", "apple", ".", "See", "Pomme", "pomme", true);
    generator.numberCrossReferenceAnchors();
    generator.buildTree(IndexMode::Html);

    // "Apple" and "apple" tie on the display ignoring case; the cross-reference
    // heading (kind 1) comes before the entries (kind 2), then addresses decide,
    // and only exactly equal neighbours merge.
    ASSERT_EQ(topTexts(generator), (std::vector<std::string> {"Apple", "apple", "Banana", "pomme"}));
    const IndexNode& first = *generator.topLevelNodes()[0];
    EXPECT_EQ(first.crossReferences().size(), 1u);
    EXPECT_EQ(addresses(first), (std::vector<std::string> {"a.htm", "B.htm"}));
    EXPECT_EQ(addresses(*generator.topLevelNodes()[1]), (std::vector<std::string> {"c.htm"}));
}

TEST(IndexGeneratorSort, EachModeOrdersEqualKeysByItsOwnDisplay)
{
    IndexGenerator generator;
    add(generator, {"same key", "Beta", "alpha", "1.htm"});
    add(generator, {"same key", "Alpha", "beta", "2.htm"});
    add(generator, {"a key that is longer than any prefix, b", "Ant", "Ant", "3.htm"});
    add(generator, {"a key that is longer than any prefix, a", "Bee", "Bee", "4.htm"});

    // The second build starts from the first one's order.
    generator.buildTree(IndexMode::Html);
    EXPECT_EQ(topTexts(generator), (std::vector<std::string> {"Bee", "Ant", "Alpha", "Beta"}));
    generator.buildTree(IndexMode::Help);
    EXPECT_EQ(topTexts(generator), (std::vector<std::string> {"Bee", "Ant", "alpha", "beta"}));
    EXPECT_EQ(addresses(*generator.topLevelNodes()[2]), (std::vector<std::string> {"1.htm"}));
    generator.buildTree(IndexMode::Html);
    EXPECT_EQ(addresses(*generator.topLevelNodes()[2]), (std::vector<std::string> {"2.htm"}));

    // A copy added later is sorted in with the others.
    add(generator, {"same key", "Aardvark", "aardvark", "5.htm"});
    generator.buildTree(IndexMode::Help);
    EXPECT_EQ(topTexts(generator), (std::vector<std::string> {"Bee", "Ant", "aardvark", "alpha", "beta"}));
    EXPECT_EQ(generator.entries().size(), 5u);
}

TEST(IndexGeneratorSort, ClassesOrderSymbolsThenNumbersThenLetters)
{
    IndexGenerator generator;
    add(generator, {"zebra", "zebra", "", "z.htm"});
    add(generator, {"42nd street", "42nd Street", "", "n.htm"});
    add(generator, {"_init", "_init", "", "s.htm"});
    add(generator, {"\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9", "", "e.htm"}); // a letter beyond A to Z
    add(generator, {"", "Hidden", "", "h.htm"});
    add(generator, {"mango", "Mango", "", "m.htm"});
    generator.buildTree(IndexMode::Html);

    ASSERT_EQ(topTexts(generator),
              (std::vector<std::string> {"_init", "\xc3\xa9t\xc3\xa9", "42nd Street", "Mango", "zebra"}));
    std::vector<char> groups;
    for (const IndexNode* node : generator.topLevelNodes())
        groups.push_back(node->group);
    EXPECT_EQ(groups, (std::vector<char> {'*', '*', '0', 'M', 'Z'}));
    EXPECT_TRUE(generator.isGroupPresent(kSymbolsGroup));
    EXPECT_TRUE(generator.isGroupPresent(kNumbersGroup));
    EXPECT_TRUE(generator.isGroupPresent('M'));
    EXPECT_TRUE(generator.isGroupPresent('Z'));
    EXPECT_FALSE(generator.isGroupPresent('H'));
    EXPECT_FALSE(generator.isGroupPresent('A'));
    EXPECT_EQ(generator.firstLetter(), 'M');
    EXPECT_EQ(generator.lastLetter(), 'Z');
}

TEST(IndexGeneratorSort, KeysCompareByteWiseBeforeDisplay)
{
    IndexGenerator generator;
    add(generator, {"ab", "First", "", "1.htm"});
    add(generator, {"a", "Second", "", "2.htm"});
    add(generator, {"a b", "Third", "", "3.htm"});
    add(generator, {"a\\,", "Fourth", "", "4.htm"}); // escaped: key "a,"
    generator.buildTree(IndexMode::Html);
    EXPECT_EQ(topTexts(generator), (std::vector<std::string> {"Second", "Third", "Fourth", "First"}));
}

TEST(IndexGeneratorSort, ManyEntriesComeOutInKeyOrder)
{
    IndexGenerator generator;
    const int count = 20000;
    for (int i = 0; i < count; ++i) {
        int k = (i * 7919) % count; // a permutation
        std::string key = "k" + std::to_string(100000 + k);
        add(generator, {key, key, "", "p.htm"});
    }
    generator.buildTree(IndexMode::Html);
    ASSERT_EQ(generator.topLevelNodes().size(), std::size_t(count));
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(generator.topLevelNodes()[i]->text(), "k" + std::to_string(100000 + i));
}

TEST(IndexGeneratorTree, CommasMakeLevelsAndNeighboursMerge)
{
    IndexGenerator generator;
    add(generator, {"fruit apples", "Fruit, Apples", "", "apples.htm"});
    add(generator, {"fruit pears", "Fruit, Pears", "", "pears.htm"});
    add(generator, {"fruit pears2", "Fruit , Pears ", "", "pears2.htm"});
    add(generator, {"grape", "Grape\\, White", "", "grape.htm"});
    add(generator, {"kiwi", "Kiwi, Gold, Sun", "", "kiwi.htm"});
    generator.buildTree(IndexMode::Html);

    ASSERT_EQ(topTexts(generator), (std::vector<std::string> {"Fruit", "Grape, White", "Kiwi"}));
    const IndexNode& fruit = *generator.topLevelNodes()[0];
    ASSERT_EQ(fruit.children().size(), 2u);
    EXPECT_EQ(fruit.children()[0]->text(), "Apples");
    EXPECT_EQ(fruit.children()[1]->text(), "Pears");
    EXPECT_EQ(addresses(*fruit.children()[1]), (std::vector<std::string> {"pears.htm", "pears2.htm"}));
    EXPECT_EQ(fruit.children()[1]->parent(), &fruit);
    EXPECT_EQ(fruit.level, 0);
    EXPECT_EQ(fruit.children()[0]->level, 1);
    EXPECT_EQ(nodeHeading(*fruit.children()[0]), "Apples");

    // A chain of single children stays at its top node's level and is named by the joined texts.
    const IndexNode& kiwi = *generator.topLevelNodes()[2];
    ASSERT_EQ(kiwi.children().size(), 1u);
    ASSERT_EQ(kiwi.children()[0]->children().size(), 1u);
    const IndexNode& sun = *kiwi.children()[0]->children()[0];
    EXPECT_EQ(kiwi.children()[0]->level, 0);
    EXPECT_EQ(sun.level, 0);
    EXPECT_EQ(nodeHeading(sun), "Kiwi, Gold, Sun");
    EXPECT_EQ(addresses(sun), (std::vector<std::string> {"kiwi.htm"}));
}

TEST(IndexGeneratorTree, LevelsDropOnlyForSingleChildAncestors)
{
    IndexGenerator generator;
    add(generator, {"a1", "A, B, C1", "", "1.htm"});
    add(generator, {"a2", "A, B, C2", "", "2.htm"});
    add(generator, {"a3", "A, B, C2, D", "", "3.htm"});
    generator.buildTree(IndexMode::Html);
    const IndexNode& a = *generator.topLevelNodes().at(0);
    ASSERT_EQ(a.children().size(), 1u);
    const IndexNode& b = *a.children()[0];
    ASSERT_EQ(b.children().size(), 2u);
    const IndexNode& c2 = *b.children()[1];
    ASSERT_EQ(c2.children().size(), 1u);
    const IndexNode& d = *c2.children()[0];
    EXPECT_EQ(b.level, 0); // A has one child
    EXPECT_EQ(c2.level, 1); // below B, which branches
    EXPECT_EQ(d.level, 1); // C2 has one child
    EXPECT_EQ(nodeHeading(b), "A, B");
    EXPECT_EQ(nodeHeading(d), "C2, D");
}

TEST(IndexGeneratorTree, EqualTextsMergeOnlyWhenAdjacentInSortOrder)
{
    IndexGenerator generator;
    add(generator, {"a", "Same", "", "1.htm"});
    add(generator, {"b", "Other", "", "2.htm"});
    add(generator, {"c", "Same", "", "3.htm"});
    add(generator, {"d", "Same", "", "4.htm"});
    add(generator, {"e", "same", "", "5.htm"});
    generator.buildTree(IndexMode::Html);
    EXPECT_EQ(topTexts(generator), (std::vector<std::string> {"Same", "Other", "Same", "same"}));
    EXPECT_EQ(addresses(*generator.topLevelNodes()[2]), (std::vector<std::string> {"3.htm", "4.htm"}));
}

// A deeper line merges only into the last line of each level: a line at a
// shallower level in between starts the deeper levels afresh.
TEST(IndexGeneratorTree, MergingFollowsTheLastLineOfEachLevel)
{
    IndexGenerator generator;
    add(generator, {"1", "A, B, C", "", "1.htm"});
    add(generator, {"2", "A", "", "2.htm"});
    add(generator, {"3", "A, B, D", "", "3.htm"});
    add(generator, {"4", "A, X", "", "4.htm"});
    add(generator, {"5", "A, B, E", "", "5.htm"});
    generator.buildTree(IndexMode::Html);
    ASSERT_EQ(topTexts(generator), (std::vector<std::string> {"A"}));
    const IndexNode& a = *generator.topLevelNodes()[0];
    EXPECT_EQ(addresses(a), (std::vector<std::string> {"2.htm"}));
    std::vector<std::string> children;
    for (const IndexNode* child : a.children())
        children.emplace_back(child->text());
    EXPECT_EQ(children, (std::vector<std::string> {"B", "X", "B"}));
    const IndexNode& firstB = *a.children()[0];
    ASSERT_EQ(firstB.children().size(), 2u);
    EXPECT_EQ(firstB.children()[0]->text(), "C");
    EXPECT_EQ(firstB.children()[1]->text(), "D");
    EXPECT_EQ(addresses(*firstB.children()[1]), (std::vector<std::string> {"3.htm"}));
    const IndexNode& lastB = *a.children()[2];
    ASSERT_EQ(lastB.children().size(), 1u);
    EXPECT_EQ(lastB.children()[0]->text(), "E");
    EXPECT_EQ(lastB.children()[0]->parent(), &lastB);
    EXPECT_EQ(lastB.parent(), &a);
}

// Children, locators and cross-references share one list: each node reads its own.
TEST(IndexGeneratorTree, EachNodeReadsItsOwnChildrenLocatorsAndReferences)
{
    IndexGenerator generator;
    generator.addCrossReference("Fruit", "fruit", ".", "See", "Apple", "apple", true);
    add(generator, {"fruit", "Fruit", "", "f1.htm"});
    add(generator, {"fruit apple", "Fruit, Apple", "", "a.htm"});
    add(generator, {"fruit", "Fruit", "", "f2.htm"});
    add(generator, {"apple", "Apple", "", "apple.htm"});
    generator.numberCrossReferenceAnchors();
    generator.buildTree(IndexMode::Html);
    ASSERT_EQ(topTexts(generator), (std::vector<std::string> {"apple", "Apple", "Fruit"}));
    const IndexNode& fruit = *generator.topLevelNodes()[2];
    EXPECT_EQ(addresses(fruit), (std::vector<std::string> {"f1.htm", "f2.htm"}));
    ASSERT_EQ(fruit.crossReferences().size(), 1u);
    EXPECT_EQ(fruit.crossReferences()[0]->locator, "Apple");
    ASSERT_EQ(fruit.children().size(), 1u);
    EXPECT_EQ(fruit.children().front()->text(), "Apple");
    EXPECT_EQ(addresses(*fruit.children().front()), (std::vector<std::string> {"a.htm"}));
    EXPECT_TRUE(fruit.children().front()->crossReferences().empty());
    const IndexNode& apple = *generator.topLevelNodes()[1];
    EXPECT_EQ(addresses(apple), (std::vector<std::string> {"apple.htm"}));
    EXPECT_TRUE(apple.children().empty());
    EXPECT_TRUE(apple.crossReferences().empty());
}

TEST(IndexGeneratorTree, HelpModeShowsHelpTextsUnderTheSameOrder)
{
    IndexGenerator generator;
    add(generator, {"b", "Bee", "Insect, Bee", "b.htm"});
    add(generator, {"a", "Ant", "Insect, Ant", "a.htm"});
    generator.buildTree(IndexMode::Html);
    EXPECT_EQ(topTexts(generator), (std::vector<std::string> {"Ant", "Bee"}));
    generator.buildTree(IndexMode::Help);
    ASSERT_EQ(topTexts(generator), (std::vector<std::string> {"Insect"}));
    EXPECT_EQ(generator.topLevelNodes()[0]->children().size(), 2u);
}

TEST(IndexGeneratorTree, DisplaysWithoutLevelsAreDroppedButCountAsPresent)
{
    IndexGenerator generator;
    add(generator, {"quiet", "", "", "q.htm"});
    generator.buildTree(IndexMode::Html);
    EXPECT_TRUE(generator.topLevelNodes().empty());
    EXPECT_TRUE(generator.isGroupPresent('Q'));
    EXPECT_EQ(generator.firstLetter(), 'A');
    EXPECT_EQ(generator.lastLetter(), 'A');
}

TEST(IndexGeneratorCrossReferences, SameLocatorSharesAnAnchor)
{
    IndexGenerator generator;
    generator.addCrossReference("Cars", "cars", ".", "<i>See</i>", "Automobiles", "Automobiles", true);
    generator.addCrossReference("Autos", "autos", ".", "<i>See</i>", "Automobiles", "automobiles", true);
    generator.addCrossReference("Bikes", "bikes", ".", "<i>See</i>", "Bicycles", "bicycles", false);
    generator.addCrossReference("Motor cars", "motor cars", ";", "See also", "Automobiles, Vintage",
                                "automobiles\\, vintage", true);
    add(generator, {"automobiles", "Automobiles", "", "auto.htm"});
    generator.numberCrossReferenceAnchors();

    const auto& copies = generator.crossReferences();
    EXPECT_EQ(copies[0].link.anchorNumber, 1);
    EXPECT_EQ(copies[1].link.anchorNumber, 1);
    EXPECT_EQ(copies[3].link.anchorNumber, 2);
    EXPECT_EQ(copies[2].link.anchorNumber, 3);
    EXPECT_EQ(copies[3].link.locator, "Automobiles, Vintage");
    EXPECT_FALSE(copies[2].link.linkToLocator);

    generator.buildTree(IndexMode::Html);
    // Each locator gets a node of its own (lowercased text) carrying its anchor,
    // right before the lines that follow it in sort order.
    // The locator's escapes are resolved once, like a heading's: an escaped comma keeps one level.
    ASSERT_EQ(topTexts(generator), (std::vector<std::string> {"automobiles", "Automobiles", "automobiles, vintage",
                                                              "Autos", "bicycles", "Bikes", "Cars", "Motor cars"}));
    const auto& top = generator.topLevelNodes();
    EXPECT_EQ(top[0]->anchorNumber, 1);
    EXPECT_TRUE(top[0]->locators().empty());
    EXPECT_EQ(top[1]->anchorNumber, 0);
    EXPECT_TRUE(top[2]->children().empty());
    EXPECT_EQ(top[2]->anchorNumber, 2);
    EXPECT_EQ(top[4]->anchorNumber, 3);
    ASSERT_EQ(top[3]->crossReferences().size(), 1u);
    EXPECT_EQ(top[3]->crossReferences()[0]->anchorNumber, 1);
    EXPECT_EQ(crossReferenceAnchorName(top[3]->crossReferences()[0]->anchorNumber), "TVXR0001");
}

TEST(IndexGeneratorCrossReferences, LocatorPageNamesTheOtherGroupsFileWithSeparateFiles)
{
    StyleSettings style;
    style.separateFiles = 1;
    IndexGenerator generator;
    generator.setStyle(style);
    generator.setOutputNames({"sub\\My Index.html", "a.hhk", "a.xml", "a.jhm"});
    generator.addCrossReference("Cars", "cars", ".", "See", "Automobiles", "automobiles", true);
    generator.addCrossReference("Cabs", "cabs", ".", "See", "Cars", "cars", true);
    generator.addCrossReference("4WD", "4wd", ".", "See", "Jeeps", "jeeps", true);
    generator.addCrossReference("Hash", "#", ".", "See", "9 lives", "9 lives", true);
    generator.numberCrossReferenceAnchors();
    generator.buildTree(IndexMode::Html);
    // A link names the page as a URL: the blank encoded.
    EXPECT_EQ(generator.crossReferences()[0].link.locatorPage, "My%20Index-A.html");
    EXPECT_EQ(generator.crossReferences()[1].link.locatorPage, "");
    EXPECT_EQ(generator.crossReferences()[2].link.locatorPage, "My%20Index-J.html");
    EXPECT_EQ(generator.crossReferences()[3].link.locatorPage, "My%20Index-Numbers.html");

    IndexGenerator onePage;
    onePage.addCrossReference("Cars", "cars", ".", "See", "Automobiles", "automobiles", true);
    onePage.numberCrossReferenceAnchors();
    onePage.buildTree(IndexMode::Html);
    EXPECT_EQ(onePage.crossReferences()[0].link.locatorPage, "");
}

TEST(IndexGeneratorCrossReferences, LocatorsTheTreeMergesShareTheAnchorItCarries)
{
    IndexGenerator generator;
    generator.addCrossReference("Pomme", "pomme", ".", "See", "Apple", "Apple", true);
    generator.addCrossReference("Malus", "malus", ".", "See", "apple", "apple", true);
    generator.addCrossReference("Fruit", "fruit", ".", "See", "Apple", "Apple", true);
    add(generator, {"apple", "apple", "", "a.htm"});
    generator.numberCrossReferenceAnchors();
    generator.buildTree(IndexMode::Html);

    ASSERT_EQ(topTexts(generator), (std::vector<std::string> {"apple", "Fruit", "Malus", "Pomme"}));
    const int anchor = generator.topLevelNodes()[0]->anchorNumber;
    EXPECT_NE(anchor, 0);
    for (const IndexGenerator::CrossReferenceCopy& copy : generator.crossReferences()) {
        EXPECT_EQ(copy.link.anchorNumber, anchor) << copy.heading;
        EXPECT_TRUE(copy.link.linkToLocator) << copy.heading;
    }
}

TEST(IndexGeneratorCrossReferences, LocatorWithoutAPlaceInTheTreeIsNotALink)
{
    IndexGenerator generator;
    generator.addCrossReference("Nothing", "nothing", ".", "See", "(blank)", "", true);
    generator.numberCrossReferenceAnchors();
    generator.buildTree(IndexMode::Html);
    ASSERT_EQ(topTexts(generator), (std::vector<std::string> {"Nothing"}));
    EXPECT_FALSE(generator.crossReferences()[0].link.linkToLocator);
}

TEST(IndexGeneratorCrossReferences, HeadingEscapesAreResolvedOnce)
{
    IndexGenerator generator;
    generator.addCrossReference("Smith\\, John", "smith\\, john", ".", "See", "Authors", "authors", true);
    generator.addCrossReference("Smith, Jane", "smith, jane", ".", "See", "Authors", "authors", true);
    generator.addCrossReference("C:\\\\dir", "c:\\\\dir", ".", "See", "Folders", "folders", true);
    generator.numberCrossReferenceAnchors();
    generator.buildTree(IndexMode::Html);

    ASSERT_EQ(topTexts(generator),
              (std::vector<std::string> {"authors", "C:\\dir", "folders", "Smith", "Smith, John"}));
    const IndexNode& smith = *generator.topLevelNodes()[3];
    ASSERT_EQ(smith.children().size(), 1u);
    EXPECT_EQ(smith.children()[0]->text(), "Jane");
    EXPECT_EQ(generator.topLevelNodes()[4]->crossReferences().size(), 1u);
}

TEST(IndexGeneratorSort, EqualItemsKeepTheProjectOrderInBothModes)
{
    IndexGenerator generator;
    std::vector<std::string> locators;
    for (int i = 0; i < 20; ++i) {
        const std::string locator = "Topic " + std::to_string((i * 7) % 20);
        locators.push_back(locator);
        generator.addCrossReference("Fruit", "fruit", ".", "See", locator, locator, true);
    }
    for (int i = 0; i < 20; ++i)
        add(generator, {"pear", "Pear", "Pear", "same.htm"});
    generator.addEntry("pear", "Pear", "Pear", "same.htm", "", "Last", "", "");
    generator.numberCrossReferenceAnchors();
    for (IndexMode mode : {IndexMode::Html, IndexMode::Help}) {
        generator.buildTree(mode);
        const IndexNode& fruit = *generator.topLevelNodes()[0];
        ASSERT_EQ(fruit.text(), "Fruit");
        std::vector<std::string> shown;
        for (const CrossReferenceLink* link : fruit.crossReferences())
            shown.push_back(link->locator);
        EXPECT_EQ(shown, locators);
        const IndexNode& pear = *generator.topLevelNodes()[1];
        ASSERT_EQ(pear.locators().size(), 21u);
        EXPECT_EQ(pear.locators().back()->helpTitle(), "Last");
    }
}

TEST(IndexGeneratorCopies, FieldsAreResolvedWhereThePlainTextIsShown)
{
    IndexGenerator generator;
    generator.addEntry("\\\"Quoted\\\"", "\\\"Quoted\\\"", "Help\\\\As", "sub dir/my page.htm#a b", "main\\\\frame",
                       "Title \\\"x\\\"", "win", "frame");
    const IndexGenerator::EntryCopy& copy = generator.entries().at(0);
    EXPECT_EQ(generator.sortKeyOf(0), "\"quoted\"");
    EXPECT_EQ(copy.indexAs(), "\\\"Quoted\\\"");
    EXPECT_EQ(copy.link.address(), "sub%20dir/my%20page.htm#a%20b");
    EXPECT_EQ(copy.link.frameTarget(), "main\\frame");
    EXPECT_EQ(copy.link.helpTitle(), "Title \"x\"");
    generator.buildTree(IndexMode::Html);
    EXPECT_EQ(topTexts(generator), (std::vector<std::string> {"\"Quoted\""}));

    generator.reset();
    EXPECT_TRUE(generator.entries().empty());
    EXPECT_TRUE(generator.topLevelNodes().empty());
    EXPECT_FALSE(generator.isGroupPresent(kSymbolsGroup));
}

TEST(IndexGeneratorOutputs, OnlyTheBareOutputNameCounts)
{
    IndexGenerator generator;
    generator.setProjectDirectory("/home/u/manual");
    generator.setOutputNames({"C:\\old\\place\\Book.htm", "help/Book.hhk", "Book.xml", "Book.jhm"});
    EXPECT_EQ(generator.outputPath(generator.outputNames().index), "/home/u/manual/Book.htm");
    EXPECT_EQ(generator.outputPath(generator.outputNames().htmlHelp), "/home/u/manual/Book.hhk");
    generator.setProjectDirectory("/home/u/manual/");
    EXPECT_EQ(generator.outputPath("Book.xml"), "/home/u/manual/Book.xml");
    EXPECT_EQ(generator.htmlIndexBase(), "Book");
    EXPECT_EQ(generator.htmlIndexExtension(), ".htm");
    EXPECT_EQ(generator.groupPageName(kSymbolsGroup), "Book-Symbols.htm");
    EXPECT_EQ(generator.groupPageName(kNumbersGroup), "Book-Numbers.htm");
    EXPECT_EQ(generator.groupPageName('Q'), "Book-Q.htm");
    generator.setOutputNames({"README", "", "", ""});
    EXPECT_EQ(generator.groupPageName('B'), "README-B");
}

TEST(IndexGeneratorStyle, BooleanOptionsAreTakenAsTrueOrFalse)
{
    StyleSettings style;
    style.useClasses = 7;
    style.separateFiles = -1;
    style.columns = 3;
    IndexGenerator generator;
    generator.setStyle(style);
    EXPECT_EQ(generator.style().useClasses, 1);
    EXPECT_EQ(generator.style().separateFiles, 1);
    EXPECT_EQ(generator.style().columns, 3);
}

TEST(EntryLevels, SplitsAtUnescapedCommasAndTrimsSpaces)
{
    using Levels = std::vector<std::string_view>;
    auto levels = [](std::string_view display) {
        Levels pieces;
        appendLevelPieces(display, pieces);
        return pieces;
    };
    EXPECT_EQ(levels("Fruit, Apples"), (Levels {"Fruit", "Apples"}));
    EXPECT_EQ(levels("Fruit\\, Apples"), (Levels {"Fruit\\, Apples"}));
    EXPECT_EQ(levels("Path\\\\, Apples"), (Levels {"Path\\\\", "Apples"}));
    EXPECT_EQ(levels("a,,b"), (Levels {"a", "", "b"}));
    EXPECT_EQ(levels("a,b,"), (Levels {"a", "b"}));
    EXPECT_EQ(levels("  tabs\tstay  "), (Levels {"tabs\tstay"}));
    EXPECT_EQ(levels(""), (Levels {}));
    EXPECT_EQ(levels(","), (Levels {""}));
}

TEST(IndexGeneratorTree, LevelTextsHaveTheirEscapesResolved)
{
    IndexGenerator generator;
    add(generator, {"path", "C:\\\\, Temp\\ , \\\"x\\\"", "", "p.htm"});
    generator.buildTree(IndexMode::Html);
    const IndexNode& top = *generator.topLevelNodes().at(0);
    EXPECT_EQ(top.text(), "C:\\");
    ASSERT_EQ(top.children().size(), 1u);
    EXPECT_EQ(top.children()[0]->text(), "Temp");
    ASSERT_EQ(top.children()[0]->children().size(), 1u);
    EXPECT_EQ(top.children()[0]->children()[0]->text(), "\"x\"");
}

} // namespace
} // namespace torvane

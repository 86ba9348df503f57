#include "HtmlIndexFixture.h"
#include "generate/HtmlHelpIndexWriter.h"
#include "generate/JavaHelpWriter.h"
#include "generate/LanguageCollation.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

using testing::HtmlIndexTest;

struct Filed {
    std::string text;
    std::string letterGroup; // "" outside the letter groups
    char group;
};

class CollationTest : public HtmlIndexTest {
protected:
    // Entries whose SortAs is their text, lowercased as the project stores keys.
    void entries(std::initializer_list<std::string_view> texts)
    {
        int page = 0;
        for (std::string_view text : texts)
            entry(text, text, "p" + std::to_string(page++) + ".htm");
    }

    std::vector<Filed> build(std::string_view language)
    {
        style.extensions.collation = std::string(language);
        generator.setStyle(style);
        generator.numberCrossReferenceAnchors();
        generator.buildTree(IndexMode::Html);
        std::vector<Filed> top;
        for (const IndexNode* node : generator.topLevelNodes()) {
            std::string letter = node->letterGroup == kNoLetter ? "" : generator.letterGroups().at(node->letterGroup);
            top.push_back({std::string(node->text()), letter, node->group});
        }
        return top;
    }

    static std::vector<std::string> texts(const std::vector<Filed>& filed)
    {
        std::vector<std::string> result;
        for (const Filed& f : filed)
            result.push_back(f.text);
        return result;
    }
    static std::vector<std::string> letterGroups(const std::vector<Filed>& filed)
    {
        std::vector<std::string> result;
        for (const Filed& f : filed)
            result.push_back(f.letterGroup);
        return result;
    }
};

using Texts = std::vector<std::string>;

TEST_F(CollationTest, GermanFilesUmlautsWithTheirBaseLetters)
{
    entries({"Zucker", "Öl", "Ohr", "Äpfel", "Apfel", "Bär", "Ufer", "über", "Straße", "Strasse"});
    const auto top = build("de");
    EXPECT_EQ(texts(top),
              (Texts {"Apfel", "Äpfel", "Bär", "Ohr", "Öl", "Strasse", "Straße", "über", "Ufer", "Zucker"}));
    EXPECT_EQ(letterGroups(top), (Texts {"A", "A", "B", "O", "O", "S", "S", "U", "U", "Z"}));
    EXPECT_EQ(top[1].group, 'A');
    EXPECT_EQ(generator.letterGroups().size(), 26u);
}

TEST_F(CollationTest, SwedishPutsAringAdiaeresisOdiaeresisAfterZ)
{
    entries({"öl", "zebra", "ångest", "äpple", "apa", "ost"});
    const auto top = build("sv");
    EXPECT_EQ(texts(top), (Texts {"apa", "ost", "zebra", "ångest", "äpple", "öl"}));
    EXPECT_EQ(letterGroups(top), (Texts {"A", "O", "Z", "Å", "Ä", "Ö"}));
    // The classic pages know only A to Z: the extra letters stay after Z.
    EXPECT_EQ(top[3].group, 'Z');
    EXPECT_EQ(top[5].group, 'Z');
    const auto& alphabet = generator.letterGroups();
    ASSERT_GE(alphabet.size(), 29u);
    EXPECT_EQ((Texts {alphabet.end() - 3, alphabet.end()}), (Texts {"Å", "Ä", "Ö"}));
    EXPECT_TRUE(generator.isLetterGroupPresent(alphabet.size() - 1));
    EXPECT_FALSE(generator.isLetterGroupPresent(1)); // nothing under B
}

TEST_F(CollationTest, CzechFilesChAfterH)
{
    entries({"chata", "cukr", "čaj", "hrad", "ihned", "doba", "řeka", "rok"});
    const auto top = build("cs");
    EXPECT_EQ(texts(top), (Texts {"cukr", "čaj", "doba", "hrad", "chata", "ihned", "rok", "řeka"}));
    EXPECT_EQ(letterGroups(top), (Texts {"C", "Č", "D", "H", "CH", "I", "R", "Ř"}));
    EXPECT_EQ(top[4].group, 'H');
}

TEST_F(CollationTest, FrenchOrdersAccentsAfterTheBaseLetters)
{
    entries({"zèbre", "éclair", "Eagle", "côté", "cote", "côte", "coté", "abbé"});
    const auto top = build("fr");
    EXPECT_EQ(texts(top), (Texts {"abbé", "cote", "coté", "côte", "côté", "Eagle", "éclair", "zèbre"}));
    EXPECT_EQ(letterGroups(top), (Texts {"A", "C", "C", "C", "C", "E", "E", "Z"}));
}

TEST_F(CollationTest, DigitsAndSymbolsKeepTheirGroupsAndOtherScriptsGoToSymbols)
{
    entries({"zebra", "3D printing", "#hash", "Ωmega", "10 items", "apple"});
    const auto top = build("de");
    EXPECT_EQ(texts(top).back(), "zebra");
    std::vector<char> groups;
    for (const Filed& f : top)
        groups.push_back(f.group);
    // Symbols first (the Greek word with them), then Numbers in digit order, then letters.
    EXPECT_EQ(texts(top), (Texts {"#hash", "Ωmega", "10 items", "3D printing", "apple", "zebra"}));
    EXPECT_EQ(groups, (std::vector<char> {'*', '*', '0', '0', 'A', 'Z'}));
    EXPECT_TRUE(generator.isGroupPresent(kSymbolsGroup));
    EXPECT_TRUE(generator.isGroupPresent(kNumbersGroup));
}

TEST_F(CollationTest, SortAsStillDecidesAndSubentriesFollowTheLanguage)
{
    entry("zzz", "Ärger", "a.htm");
    entry("obst äpfel", "Obst, Äpfel", "b.htm");
    entry("obst birnen", "Obst, Birnen", "c.htm");
    entry("obst ananas", "Obst, Ananas", "d.htm");
    const auto top = build("de");
    EXPECT_EQ(texts(top), (Texts {"Obst", "Ärger"}));
    std::vector<std::string> children;
    for (const IndexNode* child : generator.topLevelNodes()[0]->children())
        children.emplace_back(child->text());
    EXPECT_EQ(children, (Texts {"Ananas", "Äpfel", "Birnen"}));
}

TEST_F(CollationTest, LatinOneTextsAreReadWhenNotUtf8)
{
    // "Äpfel" and "Öl" in Latin-1 bytes.
    entries({"\xd6l", "\xc4pfel", "Birne"});
    EXPECT_EQ(texts(build("de")), (Texts {"\xc4pfel", "Birne", "\xd6l"}));
}

TEST_F(CollationTest, AnUnknownTagFallsBackToByteOrderAndSaysWhy)
{
    entries({"Äpfel", "Birne"});
    const auto top = build("not a tag!");
    EXPECT_FALSE(generator.collationProblem().empty());
    // Byte order: the UTF-8 umlaut files under Symbols, before B.
    EXPECT_EQ(texts(top), (Texts {"Äpfel", "Birne"}));
    EXPECT_EQ(top[0].group, kSymbolsGroup);
}

TEST_F(CollationTest, MergeCaseVariantsJoinsLinesThatDifferOnlyInCase)
{
    entry("äpfel", "Äpfel", "a.htm");
    entry("äpfel", "äpfel", "b.htm");
    entry("apfel", "APFEL", "c.htm");
    entry("apfel", "Apfel", "d.htm");
    EXPECT_EQ(texts(build("de")), (Texts {"APFEL", "Apfel", "Äpfel", "äpfel"}));

    style.extensions.mergeCaseVariants = 1;
    const auto merged = build("de");
    ASSERT_EQ(texts(merged), (Texts {"APFEL", "Äpfel"}));
    EXPECT_EQ(generator.topLevelNodes()[0]->locators().size(), 2u);
    EXPECT_EQ(generator.topLevelNodes()[1]->locators().size(), 2u);

    // Byte order merges ASCII case variants only; its Symbols group comes first.
    const auto bytes = build("");
    EXPECT_EQ(texts(bytes), (Texts {"Äpfel", "äpfel", "APFEL"}));
    EXPECT_EQ(generator.topLevelNodes()[2]->locators().size(), 2u);
}

// A See whose locator differs from its entry's sort text in the case of a
// letter beyond ASCII has its anchor placed before that entry's line, where
// a link to it shows the line, not after it.
TEST_F(CollationTest, ALocatorAnchorComesBeforeItsEntryWhateverTheCaseOfItsLetters)
{
    entry("\xc3\xa5ngstr\xc3\xb6m", "\xc3\xa5ngstr\xc3\xb6m", "a.htm");
    entry("angle", "Angle", "b.htm");
    generator.addCrossReference("Angstrom", "angstrom", ".", "See", "\xc3\x85ngstr\xc3\xb6m", "\xc3\x85ngstr\xc3\xb6m",
                                true);
    const auto top = build("sv");
    ASSERT_EQ(texts(top), (Texts {"Angle", "Angstrom", "\xc3\x85ngstr\xc3\xb6m", "\xc3\xa5ngstr\xc3\xb6m"}));
    EXPECT_NE(generator.topLevelNodes()[2]->anchorNumber, 0);
    EXPECT_EQ(generator.topLevelNodes()[3]->locators().size(), 1u);
}

// Subentries stay under their heading, whatever a longer heading that
// begins like it sorts as; in a language's order too.
TEST_F(CollationTest, HeadingsAreComparedLevelByLevel)
{
    for (const char* language : {"", "de"}) {
        entries({"object, attribute", "object (built-in class)", "object", "object, method", "objects"});
        EXPECT_EQ(texts(build(language)), (Texts {"object", "object (built-in class)", "objects"})) << language;
        EXPECT_EQ(generator.topLevelNodes()[0]->children().size(), 2u) << language;
        generator.reset();
    }
}

// The position of each needle in the text, in the order of the needles.
std::vector<std::size_t> positions(const std::string& text, std::initializer_list<std::string_view> needles)
{
    std::vector<std::size_t> at;
    for (std::string_view needle : needles)
        at.push_back(text.find(needle));
    return at;
}

TEST_F(CollationTest, EveryOutputHasTheSameOrder)
{
    entries({"zebra", "ångest", "öl", "apa"});
    style.htmlHelp = style.javaHelp = 1;
    style.extensions.collation = "sv";
    ASSERT_TRUE(make());
    generator.buildTree(IndexMode::Help);
    ASSERT_TRUE(writeHtmlHelpIndex(generator, messages));
    ASSERT_TRUE(writeJavaHelpFiles(generator, messages));
    for (const char* name : {"Index.htm", "Index.hhk", "Index.xml"}) {
        const auto at = positions(testing::readBytes(dir / name), {"apa", "zebra", "ångest", "öl"});
        EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << name;
        EXPECT_EQ(std::count(at.begin(), at.end(), std::string::npos), 0) << name;
    }
}

} // namespace
} // namespace torvane

namespace torvane {
namespace {

TEST(CollationLanguages, NamedInEnglishSortedByNameAndEachUsable)
{
    const std::vector<CollationLanguage> languages = collationLanguages();
    for (const CollationLanguage& expected : {CollationLanguage {"de", "German"}, CollationLanguage {"sv", "Swedish"},
                                              CollationLanguage {"cs", "Czech"}, CollationLanguage {"fr", "French"}})
        EXPECT_NE(std::find(languages.begin(), languages.end(), expected), languages.end()) << expected.tag;
    EXPECT_TRUE(std::is_sorted(languages.begin(), languages.end(),
                               [](const auto& a, const auto& b) { return a.name < b.name; }));
    for (const CollationLanguage& language : languages) {
        std::string problem;
        EXPECT_NE(LanguageCollation::forLanguage(language.tag, problem), nullptr) << language.tag << ": " << problem;
    }
}

} // namespace
} // namespace torvane

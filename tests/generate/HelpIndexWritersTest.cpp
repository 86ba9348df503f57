#include "generate/HtmlHelpIndexWriter.h"
#include "generate/IndexGenerator.h"
#include "generate/JavaHelpWriter.h"
#include "platform/FileAccess.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace torvane {
namespace {

namespace fs = std::filesystem;

class RecordingMessages : public MessageSink {
public:
    void showMessage(std::string_view text) override { shown.emplace_back(text); }
    bool askYesNo(std::string_view, bool answer) override { return answer; }
    std::vector<std::string> shown;
};

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string expected(const std::string& name)
{
    return readBytes(fs::path(TORVANE_SOURCE_DIR) / "tests/generate/data" / name);
}

class HelpIndexWriters : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("torvane-help-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        generator.setProjectDirectory(dir.string());
        generator.setOutputNames({"ignored/Produce.htm", "C:\\help\\produce.hhk", "produce.xml", "produce.jhm"});
    }
    void TearDown() override { fs::remove_all(dir); }

    void addProduce()
    {
        StyleSettings style;
        style.stylesheetPath = "styles/index.css";
        style.bodyAttributes = "bgcolor=\"#FFFFFF\"";
        style.htmlHelpWindow = "MainWin";
        style.htmlHelpFrame = "Content";
        generator.setStyle(style);
        // sortAs, indexAs, helpAs, url, indexTarget, helpTitle, helpWindow, helpFrame
        generator.addEntry("fruit apples", "Apples (fruit)", "Fruit, Apples", "fruit/apples.htm", "", "Apples", "main",
                           "");
        generator.addEntry("fruit pears", "Pears", "Fruit, Pears", "fruit/pears.htm#ripe", "", "Ripe pears", "",
                           "right");
        generator.addEntry("kiwi", "Kiwi", "Kiwi, Gold", "kiwi page.htm", "", "Untitled", "", "");
        generator.addEntry("42", "42", "42", "answer.htm", "", "Answer", "", "");
        generator.addEntry("fruit", "Fruit", "Fruit", "fruit/index.htm", "", "Fruit overview", "", "");
        generator.addEntry("apples", "Apples", "Apples", "Fruit/Apples.htm", "", "Apples", "", "");
        generator.addEntry("spice", "Spice", "Spice \\\"hot\\\" & <mild> &amp; done", "spice&herbs.htm", "", "Spices",
                           "", "");
        generator.addEntry("", "Unsorted", "Unsorted", "unsorted.htm", "", "Untitled", "", "");
        generator.addCrossReference("Fruit", "fruit", ".", "See", "Produce", "produce", true);
        generator.numberCrossReferenceAnchors();
        generator.buildTree(IndexMode::Help);
    }

    fs::path dir;
    IndexGenerator generator;
    RecordingMessages messages;
};

TEST_F(HelpIndexWriters, HtmlHelpIndexNestsKeywordsAndListsSubentryTopics)
{
    addProduce();
    ASSERT_TRUE(writeHtmlHelpIndex(generator, messages));
    EXPECT_EQ(readBytes(dir / "produce.hhk"), expected("produce.hhk"));
    EXPECT_TRUE(messages.shown.empty());
}

// The writers' own markup goes out with CR LF as written; a line feed inside
// an entry's text is still turned into CR LF in every help file.
TEST_F(HelpIndexWriters, LineFeedsInsideTextsAreWrittenCrLf)
{
    generator.addEntry("one", "One", "Line\nbreak", "one.htm", "", "Two\nlines", "win\ndow", "");
    generator.numberCrossReferenceAnchors();
    generator.buildTree(IndexMode::Help);
    ASSERT_TRUE(writeHtmlHelpIndex(generator, messages));
    ASSERT_TRUE(writeJavaHelpFiles(generator, messages));
    for (const char* name : {"produce.hhk", "produce.xml", "produce.jhm"}) {
        const std::string bytes = readBytes(dir / name);
        ASSERT_FALSE(bytes.empty()) << name;
        for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
            ASSERT_TRUE(at > 0 && bytes[at - 1] == '\r') << name << " has a bare line feed at " << at;
    }
    const std::string hhk = readBytes(dir / "produce.hhk");
    EXPECT_NE(hhk.find("<param name=\"Name\" value=\"Line\r\nbreak\">\r\n"), std::string::npos);
    EXPECT_NE(hhk.find("<param name=\"Name\" value=\"Two\r\nlines\">\r\n"), std::string::npos);
    EXPECT_NE(hhk.find("<param name=\"WindowName\" value=\"win\r\ndow\">\r\n"), std::string::npos);
    EXPECT_NE(readBytes(dir / "produce.xml").find("<indexitem text=\"Line\r\nbreak\" target=\"one.htm\">"),
              std::string::npos);
}

TEST_F(HelpIndexWriters, HtmlHelpIndexWithoutEntriesOrOptionsIsBare)
{
    generator.buildTree(IndexMode::Help);
    ASSERT_TRUE(writeHtmlHelpIndex(generator, messages));
    EXPECT_EQ(readBytes(dir / "produce.hhk"), expected("empty.hhk"));
}

TEST_F(HelpIndexWriters, JavaHelpFilesMatchAndAreWellFormed)
{
    addProduce();
    ASSERT_TRUE(writeJavaHelpFiles(generator, messages));
    EXPECT_EQ(readBytes(dir / "produce.xml"), expected("produce.xml"));
    EXPECT_EQ(readBytes(dir / "produce.jhm"), expected("produce.jhm"));
    EXPECT_TRUE(messages.shown.empty());
    for (const char* name : {"produce.xml", "produce.jhm"}) {
        fs::path report = dir / "xmllint.txt";
        std::string command =
            "xmllint --noout --nonet '" + (dir / name).string() + "' > '" + report.string() + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << name;
        EXPECT_EQ(readBytes(report), "") << name;
    }
}

TEST_F(HelpIndexWriters, UnwritableFilesAreReportedAtOnce)
{
    addProduce();
    fs::path missing = dir / "no such folder";
    generator.setProjectDirectory(missing.string());
    EXPECT_FALSE(writeHtmlHelpIndex(generator, messages));
    EXPECT_FALSE(writeJavaHelpFiles(generator, messages));
    // A JavaHelp index that cannot be written takes its map with it: one message.
    EXPECT_EQ(messages.shown, (std::vector<std::string> {
                                  "Error creating new Html Help index:\n  " + (missing / "produce.hhk").string(),
                                  "Error creating new JavaHelp index:\n  " + (missing / "produce.xml").string()}));
}

TEST_F(HelpIndexWriters, JavaHelpMapFailureNamesTheMap)
{
    addProduce();
    fs::create_directories(dir / "produce.jhm"); // a folder where the map should go
    EXPECT_FALSE(writeJavaHelpFiles(generator, messages));
    EXPECT_TRUE(fs::is_regular_file(dir / "produce.xml"));
    EXPECT_EQ(messages.shown,
              (std::vector<std::string> {"Error creating new JavaHelp index:\n  " + (dir / "produce.jhm").string()}));
}

// What an XML reader makes of an attribute, in UTF-8.
std::string xpathValue(const fs::path& file, const std::string& expression)
{
    const fs::path out = file.parent_path() / "xpath.txt";
    const std::string command =
        "xmllint --nonet --xpath '" + expression + "' '" + file.string() + "' > '" + out.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << readBytes(out);
    return readBytes(out);
}

TEST_F(HelpIndexWriters, JavaHelpFilesDeclareTheEncodingOfTheirTexts)
{
    struct Case {
        std::string helpAs;
        std::string declared;
        std::string read; // as UTF-8
    };
    for (const Case& c : {Case {"Caf\xc3\xa9 cr\xc3\xa8me", "UTF-8", "Caf\xc3\xa9 cr\xc3\xa8me"},
                          Case {"Caf\xe9", "ISO-8859-1", "Caf\xc3\xa9"}, Case {"Cafe", "ISO-8859-1", "Cafe"}}) {
        SCOPED_TRACE(c.helpAs);
        generator.reset();
        generator.addEntry("cafe", "Cafe", c.helpAs, "caf\xc3\xa9.htm", "", "Untitled", "", "");
        generator.buildTree(IndexMode::Help);
        ASSERT_TRUE(writeJavaHelpFiles(generator, messages));
        for (const char* name : {"produce.xml", "produce.jhm"})
            EXPECT_EQ(readBytes(dir / name).substr(0, 60).find("encoding='" + c.declared + "'"), 20u) << name;
        EXPECT_EQ(xpathValue(dir / "produce.xml", "string(//indexitem/@text)"), c.read + "\n");
    }
}

TEST_F(HelpIndexWriters, EveryJavaHelpTargetIsAnIdOfTheMapWhateverItsCase)
{
    generator.addEntry("intro", "Intro", "Intro", "page.htm#Intro", "", "Untitled", "", "");
    generator.addEntry("intro lower", "intro", "intro", "page.htm#intro", "", "Untitled", "", "");
    generator.addEntry("page", "Page", "Page", "Page.htm", "", "Untitled", "", "");
    generator.addEntry("page again", "Page again", "Page again", "page.htm", "", "Untitled", "", "");
    generator.addEntry("page twice", "Page twice", "Page twice", "page.htm", "", "Untitled", "", "");
    generator.buildTree(IndexMode::Help);
    ASSERT_TRUE(writeJavaHelpFiles(generator, messages));
    const std::string map = readBytes(dir / "produce.jhm");
    const std::string index = readBytes(dir / "produce.xml");
    int ids = 0;
    for (const char* id : {"page.htm#Intro", "page.htm#intro", "Page.htm", "page.htm"}) {
        const std::string line = std::string("<mapID target=\"") + id + "\" url=\"" + id + "\"/>";
        EXPECT_NE(map.find(line), std::string::npos) << id;
        EXPECT_EQ(map.find(line), map.rfind(line)) << id << " is given twice";
        EXPECT_NE(index.find(std::string("target=\"") + id + "\""), std::string::npos) << id;
        ++ids;
    }
    EXPECT_EQ(static_cast<int>(std::count(map.begin(), map.end(), '\n')), 5 + ids + 1);
}

// The map's order comes from the addresses alone, whatever order the
// project holds them in; a holder none of whose entries reach the index is left out.
TEST_F(HelpIndexWriters, JavaHelpMapOrderDoesNotFollowTheHoldersOrder)
{
    const std::vector<std::string> mapOrder {"A.htm", "a.htm", "b.htm", "B.htm#x", "c.htm"};
    const std::vector<std::vector<int>> holderOrders {{0, 1, 2, 3, 4}, {4, 3, 2, 1, 0}, {2, 4, 0, 3, 1}};
    for (const std::vector<int>& order : holderOrders) {
        SCOPED_TRACE(::testing::PrintToString(order));
        generator.reset();
        generator.addEntry("", "Left out", "Left out", "0.htm", "", "Untitled", "", "");
        for (int i : order) {
            const std::string key = "entry " + std::to_string(i);
            generator.addEntry(key, key, key, mapOrder[i], "", "Untitled", "", "");
        }
        generator.buildTree(IndexMode::Help);
        ASSERT_TRUE(writeJavaHelpFiles(generator, messages));
        const std::string map = readBytes(dir / "produce.jhm");
        std::vector<std::string> ids;
        const std::string opening = "<mapID target=\"";
        for (std::size_t at = map.find(opening); at != std::string::npos; at = map.find(opening, at + 1)) {
            const std::size_t start = at + opening.size();
            ids.push_back(map.substr(start, map.find('"', start) - start));
        }
        EXPECT_EQ(ids, mapOrder);
    }
}

TEST_F(HelpIndexWriters, HtmlHelpIndexWritesTopicTextsNotTheirStoredForm)
{
    generator.addEntry("q", "Q", "Q", "q.htm", "", "Title \\\"q\\\" \\\\ end", "Main\\\\Win", "Frame\\\"1\\\"");
    generator.buildTree(IndexMode::Help);
    ASSERT_TRUE(writeHtmlHelpIndex(generator, messages));
    const std::string hhk = readBytes(dir / "produce.hhk");
    EXPECT_NE(hhk.find("<param name=\"Name\" value=\"Title &quot;q&quot; \\ end\">"), std::string::npos) << hhk;
    EXPECT_NE(hhk.find("<param name=\"WindowName\" value=\"Main\\Win\">"), std::string::npos) << hhk;
    EXPECT_NE(hhk.find("<param name=\"FrameName\" value=\"Frame&quot;1&quot;\">"), std::string::npos) << hhk;
}

std::size_t occurrences(const std::string& text, const std::string& pattern)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, at + 1))
        ++count;
    return count;
}

bool everyLineEndsCrLf(const std::string& text)
{
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        if (at == 0 || text[at - 1] != '\r')
            return false;
    return !text.empty() && text.back() == '\n';
}

// Outputs of many buffers' worth: whole, line for line, and declared by what
// their last text holds, which the writers meet only at the very end.
TEST_F(HelpIndexWriters, LargeOutputsAreWholeAndDeclareTheirLastTexts)
{
    constexpr int kEntries = 20000;
    for (const char* last : {"zz caf\xc3\xa9", "zz caf\xe9"}) {
        SCOPED_TRACE(last);
        generator.reset();
        for (int i = 0; i < kEntries; ++i) {
            const std::string text = "entry " + std::to_string(100000 + i) + " with a longer heading";
            generator.addEntry(text, text, text, "page" + std::to_string(i) + ".htm#a", "", "Title", "", "");
        }
        generator.addEntry("zz", last, last, "last.htm", "", "Last", "", "");
        generator.buildTree(IndexMode::Help);
        ASSERT_TRUE(writeHtmlHelpIndex(generator, messages));
        ASSERT_TRUE(writeJavaHelpFiles(generator, messages));
        const std::string hhk = readBytes(dir / "produce.hhk");
        const std::string index = readBytes(dir / "produce.xml");
        const std::string map = readBytes(dir / "produce.jhm");
        EXPECT_GT(hhk.size(), 4'000'000u);
        EXPECT_EQ(occurrences(hhk, "<param name=\"Local\""), kEntries + 1u);
        EXPECT_EQ(occurrences(index, "<indexitem text="), kEntries + 1u);
        EXPECT_EQ(occurrences(map, "<mapID target="), kEntries + 1u);
        EXPECT_NE(index.find(std::string("text=\"") + last + "\""), std::string::npos);
        EXPECT_EQ(hhk.substr(hhk.size() - 18), "</BODY>\r\n</HTML>\r\n");
        EXPECT_EQ(index.substr(index.size() - 10), "</index>\r\n");
        EXPECT_EQ(map.substr(map.size() - 8), "</map>\r\n");
        const std::string declared = last[6] == '\xc3' ? "UTF-8" : "ISO-8859-1";
        for (const std::string* text : {&hhk, &index, &map})
            EXPECT_TRUE(everyLineEndsCrLf(*text));
        for (const std::string* text : {&index, &map})
            EXPECT_EQ(text->substr(0, 60).find("encoding='" + declared + "'"), 20u);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(XmlAttributeValue, EscapesMarkupButKeepsReferences)
{
    EXPECT_EQ(xmlAttributeValue("a & b"), "a &amp; b");
    EXPECT_EQ(xmlAttributeValue("<i>\"x\"</i>"), "&lt;i>&quot;x&quot;&lt;/i>");
    EXPECT_EQ(xmlAttributeValue("&quot;&amp;&lt;&gt;&apos;"), "&quot;&amp;&lt;&gt;&apos;");
    EXPECT_EQ(xmlAttributeValue("&#233; &#xE9; &#x; &#12a;"), "&#233; &#xE9; &amp;#x; &amp;#12a;");
    EXPECT_EQ(xmlAttributeValue("&nbsp; &amp"), "&amp;nbsp; &amp;amp");
    EXPECT_EQ(xmlAttributeValue("caf\xc3\xa9"), "caf\xc3\xa9");
}

} // namespace
} // namespace torvane

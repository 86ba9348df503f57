#include "HtmlIndexFixture.h"
#include "generate/JavaHelpWriter.h"
#include <cstdlib>

namespace torvane::testing {
namespace {

constexpr const char* kJavaHelpLibrary = "/usr/share/java/jhall.jar";

// The JavaHelp viewer opens a topic's URL from the map and scrolls to its
// reference by comparing it, as written, with the page's anchor names.
TEST_F(HtmlIndexTest, TheJavaHelpViewerScrollsToEveryAnchorOfTheIndex)
{
    if (!std::filesystem::exists(kJavaHelpLibrary) || std::system("javac -version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs the JavaHelp library (javahelp2) and a JDK";
    const std::string filler = "<p>" + std::string(4000, 'x') + "</p>\n";
    const std::vector<std::string> anchors = {"plain", "cr\xc3\xa8me", "two words", "50%", "a&amp;b"};
    std::string page = "<html><head><meta charset=\"utf-8\"></head><body>\n";
    for (const std::string& anchor : anchors)
        page += filler + "<a name=\"" + anchor + "\">" + anchor + "</a>\n";
    page += filler + "</body></html>\n";
    writeBytes(dir / "caf\xc3\xa9 page.htm", page);
    for (const std::string& anchor : anchors) {
        const std::string name = anchor == "a&amp;b" ? "a&b" : anchor;
        entry(name, name, "caf\xc3\xa9 page.htm#" + name);
    }
    generator.setProjectDirectory(dir.string());
    generator.setOutputNames({"Index.htm", "Index.hhk", "Index.xml", "Index.jhm"});
    generator.setStyle(style);
    generator.numberCrossReferenceAnchors();
    generator.buildTree(IndexMode::Help);
    ASSERT_TRUE(writeJavaHelpFiles(generator, messages));

    const std::string classes = (dir / "classes").string();
    const std::string source = std::string(TORVANE_SOURCE_DIR) + "/tests/generate/javahelp/ViewerScrollCheck.java";
    const std::string classPath = std::string(kJavaHelpLibrary) + ":" + classes;
    ASSERT_EQ(
        std::system(("javac -cp " + std::string(kJavaHelpLibrary) + " -d '" + classes + "' '" + source + "'").c_str()),
        0);
    const std::string output = (dir / "viewer.txt").string();
    const int status = std::system(("cd '" + dir.string() + "' && java -Djava.awt.headless=true -cp '" + classPath +
                                    "' ViewerScrollCheck . Index.xml Index.jhm >'" + output + "' 2>&1")
                                       .c_str());
    EXPECT_EQ(status, 0) << readBytes(output);
    EXPECT_NE(readBytes(output).find("anchored=5 scrolled=5"), std::string::npos) << readBytes(output);
}

} // namespace
} // namespace torvane::testing

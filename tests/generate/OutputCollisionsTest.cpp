#include "generate/OutputCollisions.h"
#include "generate/OwnOutputs.h"
#include "model/ProjectRootNode.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

std::vector<std::string> messagesOf(const std::vector<FileNameCollision>& collisions)
{
    std::vector<std::string> messages;
    for (const FileNameCollision& collision : collisions)
        messages.push_back(collision.message);
    return messages;
}

class FileNameCollisions : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.setProjectDirectory("/p/");
        for (const char* page :
             {"/p/guide-A.htm", "/p/Guide-NAV.htm", "/p/in.htm", "/p/sub/guide-B.htm", "/elsewhere/notes.htm"})
            root.findOrCreateFile(page);
    }
    ProjectRootNode root;
};

TEST_F(FileNameCollisions, EveryOutputAndCompanionIsComparedWithThePagesOfTheProjectDirectory)
{
    const auto found = fileNameCollisions({"guide.htm", "IN.HTM", "notes.htm", "P.ipj"}, "P.ipj", root);
    EXPECT_EQ(messagesOf(found),
              (std::vector<std::string> {"The HTML index would overwrite guide-nav.htm, a page of the project.",
                                         "The HTML index would overwrite guide-A.htm, a page of the project.",
                                         "The HTML Help index would overwrite IN.HTM, a page of the project.",
                                         "The JavaHelp index would overwrite notes.htm, a page of the project.",
                                         "The JavaHelp map would overwrite P.ipj, the project file."}));
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0].output, IndexOutput::HtmlIndex);
    EXPECT_EQ(found[4].output, IndexOutput::JavaMap);
}

TEST_F(FileNameCollisions, AProjectFileNamedLikeAPageAndCleanNamesAreTold)
{
    EXPECT_EQ(
        messagesOf(fileNameCollisions({"Torvane.htm", "Torvane.hhk", "Torvane.xml", "Torvane.jhm"}, "in.htm", root)),
        (std::vector<std::string> {"The project file would overwrite in.htm, a page of the project."}));
    EXPECT_TRUE(fileNameCollisions({"sub\\guide.htm", "x.hhk", "x.xml", "x.jhm"}, "x.ipj", ProjectRootNode()).empty());
    // A page in a subfolder is no collision: the outputs go to the project directory.
    EXPECT_TRUE(fileNameCollisions({"guide-B.htm", "x.hhk", "x.xml", "x.jhm"}, "x.ipj", root).empty());
}

TEST_F(FileNameCollisions, TheEpubIndexIsComparedOnlyWhenItIsMade)
{
    root.findOrCreateFile("/p/Guide-Epub.xhtml");
    const OutputNames names {"guide.htm", "x.hhk", "x.xml", "x.jhm"};
    EXPECT_EQ(fileNameCollisions(names, "x.ipj", root).size(), 2u); // the HTML index's own pages
    const auto found = fileNameCollisions(names, "x.ipj", root, {}, true);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[2].output, IndexOutput::EpubIndex);
    EXPECT_EQ(found[2].message, "The EPUB index would overwrite guide-epub.xhtml, a page of the project.");
    EXPECT_EQ(messagesOf(fileNameCollisions({"x.htm", "x.hhk", "x.xml", "x.jhm"}, "x-epub.xhtml", root, {}, true)),
              (std::vector<std::string> {"The EPUB index would overwrite x-epub.xhtml, the project file."}));
}

TEST(OwnOutputs, RecognisedByTheirMarksWhateverTheLetterCase)
{
    EXPECT_TRUE(looksLikeOwnOutput(""));
    EXPECT_TRUE(looksLikeOwnOutput("<html>\r\n<head>\r\n  <meta name=\"GENERATOR\" content=\"HTML Torvane (tm)\">"));
    EXPECT_TRUE(looksLikeOwnOutput("<frameset rows=\"120,*\">\r\n  <frame name=\"Torvane-nav\" frameborder"));
    EXPECT_TRUE(looksLikeOwnOutput("<!DOCTYPE map PUBLIC\r\n  \"-//Sun Microsystems Inc.//DTD JavaHelp Map "
                                   "Version 1.0//EN\""));
    EXPECT_FALSE(looksLikeOwnOutput("<html><head><Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\">"));
    EXPECT_FALSE(looksLikeOwnOutput(std::string(5000, ' ') + "name=\"generator\" content=\"html torvane (tm)\""));
}

} // namespace
} // namespace torvane

#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "TreeDump.h"

#include "model/SourceFile.h"

#include <gtest/gtest.h>

namespace torvane::test {
namespace {

// Pages of a small manual in three folders, with CR LF and LF line ends,
// with and without a head, one with a block from an earlier save.
const std::string kHome = "<html>\r\n<head>\r\n<title>Home</title>\r\n</head>\r\n<body>\r\n<h1>Welcome</h1>\r\n"
                          "<a name=\"top\">Top</a>\r\n</body>\r\n</html>\r\n";
const std::string kDeep = "<!DOCTYPE html>\n<p>text <a name=\"intro\">Intro</a> more</p>\n";
const std::string kStored = "<html><head>\n  <!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n"
                            "    Target=\"x\"\r\n"
                            "        IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\","
                            "HelpWindow=\"\",HelpFrame=\"\"\r\n"
                            "  HTML Torvane -->\n</head><body><a id=\"x\">X</a></body></html>";
const std::string kPlain = "<p>No markup to speak of</p>";

constexpr std::string_view kBlockStart = "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";

struct Manual {
    TempDir dir;
    Manual()
    {
        dir.write("index.htm", kHome);
        dir.write("sub/deep/page.htm", kDeep);
        dir.write("sub/stored.htm", kStored);
        dir.write("other/plain.htm", kPlain);
        dir.write("Manual.ipj", "HTML Torvane, Version 4.0\r\n\r\n[Local Files]\r\nFile=index.htm\r\n"
                                "File=sub\\deep\\page.htm\r\nFile=sub\\stored.htm\r\nFile=other\\plain.htm\r\n\r\n");
    }
    std::string project() const { return dir.file("Manual.ipj"); }
};

void selectOnly(ProjectRootNode& root, ProjectNode& node)
{
    node.setExpanded(true);
    root.applyTreeSelection(node, false, false);
}

SourceFile& file(CProjectDoc& doc, std::string_view relative)
{
    return doc.root().findOrCreateFile(doc.projectDirectory() + std::string(relative));
}

// The run of actions that the round trip saves.
void editManual(CProjectDoc& doc)
{
    ProjectRootNode& root = doc.root();
    SourceFile& home = file(doc, "index.htm");
    selectOnly(root, home);
    doc.addIndexEntry({"Home page", "home page", "Home page", "Untitled", "", "", ""});

    selectOnly(root, *home.findTarget("top"));
    Target& top = *home.findTarget("top");
    top.defaultEntry()->setListSelected(true);
    doc.acceptDefaultEntries(doc.listSelectedRecords());

    selectOnly(root, *file(doc, "sub\\deep\\page.htm").findTarget("intro"));
    doc.addIndexEntry({"Intro \\\"quoted\\\"", "intro", "Intro", "Start", "main", "w", "f"});

    doc.addExternalUrl("http://example.com/ref");
    selectOnly(root, *root.externalUrls().findUrl("http://example.com/ref"));
    doc.addIndexEntry({"Reference", "reference", "Reference", "Untitled", "", "", ""});
    doc.createCrossReference({"Start", "start", ".", "<i>See</i>", "Intro", "intro", true});
}

TEST(RoundTrip, SavedProjectReopensAsTheSameModelAndPagesChangeOnlyInTheirHead)
{
    Manual manual;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(manual.project()));
    editManual(doc);
    ASSERT_TRUE(doc.save());
    EXPECT_TRUE(app.presenter.shown.empty());

    const std::string homeBlock = std::string(kBlockStart) +
                                  "    Target=\"#\"\r\n"
                                  "        IndexAs=\"Home page\",SortAs=\"home page\",HelpAs=\"Home page\","
                                  "HelpTitle=\"Untitled\",IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\r\n"
                                  "    Target=\"top\"\r\n"
                                  "        IndexAs=\"Top\",SortAs=\"Top\",HelpAs=\"Top\",HelpTitle=\"Untitled\","
                                  "IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\r\n"
                                  "  HTML Torvane -->";
    EXPECT_EQ(manual.dir.read("index.htm"),
              "<html>\r\n<head>\r\n<title>Home</title>\r\n"
              "  <Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\"><Meta Name=\"Keywords\" "
              "Content=\"home page\">\r\n"
              "  " +
                  homeBlock +
                  "\r\n"
                  "</head>\r\n<body>\r\n<h1>Welcome</h1>\r\n<a name=\"top\">Top</a>\r\n</body>\r\n</html>\r\n");

    const std::string deepBlock = std::string(kBlockStart) +
                                  "    Target=\"intro\"\r\n"
                                  "        IndexAs=\"Intro \\\"quoted\\\"\",SortAs=\"intro\",HelpAs=\"Intro\","
                                  "HelpTitle=\"Start\",IndexTarget=\"main\",HelpWindow=\"w\",HelpFrame=\"f\"\r\n"
                                  "  HTML Torvane -->";
    EXPECT_EQ(manual.dir.read("sub/deep/page.htm"), "<!DOCTYPE html>\r\n<head>\r\n  " + deepBlock +
                                                        "\r\n</head>\n<p>text <a name=\"intro\">Intro</a> "
                                                        "more</p>\n");
    EXPECT_EQ(manual.dir.read("sub/stored.htm"), kStored) << "unchanged pages are not written";
    EXPECT_EQ(manual.dir.read("other/plain.htm"), kPlain);

    DocumentTestApp otherApp;
    CProjectDoc reopened(otherApp.services);
    ASSERT_TRUE(reopened.openProject(manual.project()));
    EXPECT_EQ(TreeDump::of(reopened.root(), true), TreeDump::of(doc.root(), true));
    EXPECT_TRUE(file(reopened, "sub\\stored.htm").findTarget("x")->isExcluded());

    // Saving the reopened project changes no page at all.
    ASSERT_TRUE(reopened.save());
    EXPECT_EQ(manual.dir.read("sub/deep/page.htm"), "<!DOCTYPE html>\r\n<head>\r\n  " + deepBlock +
                                                        "\r\n</head>\n<p>text <a name=\"intro\">Intro</a> "
                                                        "more</p>\n");
}

TEST(RoundTrip, UndoAndRedoRestoreTheTreeExactly)
{
    Manual manual;
    DocumentTestApp app;
    app.profile.writeInt("Torvane Options", "Undo Queue Size", 32);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(manual.project()));

    std::vector<std::string> states {TreeDump::of(doc.root(), true)};
    const std::vector<std::function<void()>> steps = {
        [&] { editManual(doc); },
        [&] {
            selectOnly(doc.root(), file(doc, "sub\\stored.htm"));
            doc.excludeSelected();
        },
        [&] {
            selectOnly(doc.root(), file(doc, "other\\plain.htm"));
            doc.removeSelected();
        },
        [&] {
            selectOnly(doc.root(), *doc.root().locators().findLocator("intro"));
            doc.root().locators().findLocator("intro")->crossReferences()[0]->setListSelected(true);
            doc.deleteRecords(doc.listSelectedRecords());
        },
    };
    for (const auto& step : steps) {
        step();
        states.push_back(TreeDump::of(doc.root(), true));
    }
    const std::size_t actions = doc.history().undoDepth();
    ASSERT_EQ(actions, 9u) << "six from the manual edit, then three";

    // Undo everything: every action gives back the state before it; the
    // states recorded after each step must come back in reverse.
    std::vector<std::string> undone;
    while (doc.history().canUndo()) {
        doc.undo();
        undone.push_back(TreeDump::of(doc.root(), true));
    }
    EXPECT_EQ(undone.back(), states.front());
    EXPECT_EQ(undone[2], states[1]) << "after undoing the last three steps";
    while (doc.history().canRedo())
        doc.redo();
    EXPECT_EQ(TreeDump::of(doc.root(), true), states.back());
    EXPECT_EQ(doc.history().undoDepth(), actions);

    // Nothing was written by undo and redo.
    EXPECT_EQ(manual.dir.read("index.htm"), kHome);
    EXPECT_EQ(manual.dir.read("other/plain.htm"), kPlain);
}

TEST(RoundTrip, UndoAcrossASaveRewritesThePagesAgain)
{
    Manual manual;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(manual.project()));
    selectOnly(doc.root(), file(doc, "index.htm"));
    doc.addIndexEntry({"Home page", "home page", "Home page", "Untitled", "", "", ""});
    ASSERT_TRUE(doc.save());
    ASSERT_NE(manual.dir.read("index.htm"), kHome);

    doc.undo();
    EXPECT_TRUE(file(doc, "index.htm").isModified()) << "the page on disk still holds the undone entry";
    EXPECT_FALSE(file(doc, "sub\\stored.htm").isModified()) << "pages that agree with the disk stay as they are";
    ASSERT_TRUE(doc.save());

    DocumentTestApp otherApp;
    CProjectDoc reopened(otherApp.services);
    ASSERT_TRUE(reopened.openProject(manual.project()));
    EXPECT_TRUE(file(reopened, "index.htm").usesDefault()) << "the undone entry stays undone";
    EXPECT_EQ(reopened.root().count(NodeKindMask::Entries), doc.root().count(NodeKindMask::Entries));

    // And redo across the next save brings it back to disk.
    doc.redo();
    ASSERT_TRUE(doc.save());
    CProjectDoc again(otherApp.services);
    ASSERT_TRUE(again.openProject(manual.project()));
    ASSERT_EQ(file(again, "index.htm").entryCount(), 1u);
    EXPECT_EQ(file(again, "index.htm").entries()[0]->indexAs(), "Home page");
}

TEST(RoundTrip, QuotesAndBlanksInAcceptedEntriesAndUrlsSurvive)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("q.htm", "<p><a name=\"q\">Say \"hi\" \\ now</a></p>");
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\r\nFile=q.htm\r\n")));
    SourceFile& page = doc.root().findOrCreateFile(dir.file("q.htm"));
    Target& target = *page.findTarget("q");
    ASSERT_EQ(target.defaultEntry()->sortKey(), "Say \"hi\"  now");
    doc.acceptDefaultEntries({target.defaultEntry()});
    ASSERT_EQ(target.entryCount(), 1u);
    // The page's backslash is text: the accepted entry keeps it.
    EXPECT_EQ(target.entries()[0]->indexAs(), "Say \\\"hi\\\" \\\\ now");
    EXPECT_EQ(target.entries()[0]->sortKey(), "Say \"hi\" \\ now");

    const std::string url = "file:///C:/My Documents/a b.htm ";
    doc.addExternalUrl(url);
    selectOnly(doc.root(), *doc.root().externalUrls().findUrl(url));
    doc.addIndexEntry({"Local", "local", "Local", "Untitled", "", "", ""});
    ASSERT_TRUE(doc.save());
    EXPECT_NE(dir.read("P.ipj").find("URL=\"" + url + "\"\r\n"), std::string::npos);

    DocumentTestApp otherApp;
    CProjectDoc reopened(otherApp.services);
    ASSERT_TRUE(reopened.openProject(dir.file("P.ipj")));
    EXPECT_EQ(TreeDump::of(reopened.root()), TreeDump::of(doc.root()));
    ASSERT_NE(reopened.root().externalUrls().findUrl(url), nullptr);
}

TEST(RoundTrip, UrlsWithBlanksAndEscapedQuotesReadBackAsWritten)
{
    TempDir dir;
    DocumentTestApp app;
    const std::string handWritten = "http://x/?q=\\\"a b\\\"";
    const std::string backslashBeforeBlank = "http://z/a\\\\ b";
    const std::string added = "http://y/?q=\\\"c d\\\"";
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[External URLs]\r\nURL=\"" + handWritten +
                                                       "\"\r\nIndexAs=\"Q\",SortAs=\"q\"\r\nURL=\"" +
                                                       backslashBeforeBlank + "\"\r\nIndexAs=\"Z\",SortAs=\"z\"\r\n")));
    ASSERT_NE(doc.root().externalUrls().findUrl(handWritten), nullptr);
    ASSERT_NE(doc.root().externalUrls().findUrl(backslashBeforeBlank), nullptr);
    doc.addExternalUrl(added);
    selectOnly(doc.root(), *doc.root().externalUrls().findUrl(added));
    doc.addIndexEntry({"Added", "added", "Added", "Untitled", "", "", ""});
    for (int save = 0; save < 2; ++save) {
        ASSERT_TRUE(doc.save());
        DocumentTestApp otherApp;
        CProjectDoc reopened(otherApp.services);
        ASSERT_TRUE(reopened.openProject(dir.file("P.ipj")));
        EXPECT_EQ(TreeDump::of(reopened.root()), TreeDump::of(doc.root())) << dir.read("P.ipj");
        for (const std::string& url : {handWritten, backslashBeforeBlank, added}) {
            const ExternalUrl* read = reopened.root().externalUrls().findUrl(url);
            ASSERT_NE(read, nullptr) << url << "\n" << dir.read("P.ipj");
            EXPECT_EQ(read->entryCount(), 1u) << url;
        }
    }
}

} // namespace
} // namespace torvane::test

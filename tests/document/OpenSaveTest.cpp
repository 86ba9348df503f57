#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "TreeDump.h"

#include "document/ProjectFileWriter.h"
#include "document/SourcePages.h"
#include "model/SourceFile.h"
#include "sources/CHtmlFile.h"
#include "support/Unprivileged.h"
#include "model/FolderNode.h"
#include "model/MakeEntry.h"

#include <gtest/gtest.h>

namespace torvane::test {
namespace {

const std::string kCrLfPage = "<html>\r\n<head>\r\n<title>Home</title>\r\n</head>\r\n<body>\r\n"
                              "<h1>Welcome</h1>\r\n<a name=\"top\">Top</a> <a name=\"blank\"></a>\r\n"
                              "</body>\r\n</html>\r\n";

std::string projectWithFiles(std::initializer_list<std::string_view> files)
{
    std::string text = "HTML Torvane, Version 4.0\r\n\r\n[Local Files]\r\nIndex=Out.htm\r\n";
    for (std::string_view file : files) {
        text += "File=";
        text += file;
        text += "\r\n";
    }
    return text + "\r\n";
}

SourceFile& onlyFile(CProjectDoc& doc)
{
    std::vector<ProjectNode*> files;
    doc.root().collect(files, NodeKindMask::File);
    EXPECT_EQ(files.size(), 1u);
    return static_cast<SourceFile&>(*files.at(0));
}

TEST(OpenProject, VersionThreeFileGivesEmptyProjectWithProfileStyles)
{
    TempDir dir;
    DocumentTestApp app;
    app.profile.writeInt("Layout", "Columns", 3);
    const std::string path =
        dir.write("Old.ipj", versionThreeProjectFile({"Idx.htm", "Help.hhk", "Java.xml", "Java.jhm"}));
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(path));

    EXPECT_EQ(doc.outputNames(), (OutputNames {"Idx.htm", "Help.hhk", "Java.xml", "Java.jhm"}));
    EXPECT_EQ(doc.projectFileName(), "Old.ipj");
    EXPECT_EQ(doc.title(), "Old.ipj");
    EXPECT_EQ(doc.projectDirectory(), dir.path());
    EXPECT_EQ(doc.root().localFiles().label(), dir.path());
    EXPECT_EQ(doc.root().count(NodeKindMask::File | NodeKindMask::Url | NodeKindMask::Locator), 0u);
    StyleSettings expected;
    expected.columns = 3;
    EXPECT_EQ(doc.styles(), expected);
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.history().canUndo());
    EXPECT_TRUE(app.presenter.shown.empty());
}

TEST(OpenProject, PageGivesDefaultsTargetsAndStoredEntries)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("a.htm", "<html><head><title>T</title>\r\n"
                       "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n"
                       "    Target=\"#\"\r\n"
                       "        IndexAs=\"Apples\",SortAs=\"apples\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\","
                       "HelpWindow=\"\",HelpFrame=\"\"\r\n"
                       "    Target=\"top\"\r\n"
                       "        IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\",HelpWindow=\"\","
                       "HelpFrame=\"\"\r\n"
                       "    Target=\"gone\"\r\n"
                       "        IndexAs=\"Lost\",SortAs=\"lost\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\","
                       "HelpWindow=\"\",HelpFrame=\"\"\r\n"
                       "  HTML Torvane -->\r\n"
                       "</head><body><h2>Fruit</h2><a name=\"top\">Top</a><a name=\"blank\"></a></body></html>");
    dir.write("title.htm", "<title> Only title </title>");
    dir.write("bare.htm", "<p>nothing</p>");
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"a.htm", "title.htm", "bare.htm"}))));

    SourceFile& page = *doc.root().localFiles().findFile("a.htm");
    EXPECT_EQ(page.defaultEntry()->indexAs(), "Fruit");
    EXPECT_EQ(page.defaultEntry()->kind(), EntryKind::FileDefaultHeading);
    ASSERT_EQ(page.entryCount(), 1u);
    EXPECT_EQ(page.entries()[0]->indexAs(), "Apples");
    EXPECT_EQ(page.entries()[0]->helpAs(), "Apples");
    EXPECT_EQ(page.entries()[0]->helpTitle(), "Untitled");
    EXPECT_EQ(page.entries()[0]->kind(), EntryKind::FileEntry);

    ASSERT_EQ(page.targetCount(), 2u) << "a stored target the page lacks is not created";
    Target& top = *page.findTarget("top");
    EXPECT_TRUE(top.isExcluded());
    EXPECT_EQ(top.defaultEntry()->indexAs(), "Top");
    EXPECT_EQ(top.defaultEntry()->kind(), EntryKind::TargetDefaultText);
    Target& blank = *page.findTarget("blank");
    EXPECT_TRUE(blank.usesDefault());
    EXPECT_EQ(blank.defaultEntry()->kind(), EntryKind::TargetDefaultEmpty);
    EXPECT_EQ(doc.root().count(NodeKindMask::Entries), 4u) << "Apples, blank's default, title.htm's and bare.htm's";

    SourceFile& titled = *doc.root().localFiles().findFile("title.htm");
    EXPECT_EQ(titled.defaultEntry()->indexAs(), "Only title");
    EXPECT_EQ(titled.defaultEntry()->kind(), EntryKind::FileDefaultTitle);
    SourceFile& bare = *doc.root().localFiles().findFile("bare.htm");
    EXPECT_EQ(bare.defaultEntry()->indexAs(), "");
    EXPECT_EQ(bare.defaultEntry()->kind(), EntryKind::FileDefaultEmpty);
    for (SourceFile* file : {&page, &titled, &bare}) {
        EXPECT_FALSE(file->isModified());
        EXPECT_TRUE(file->isLoaded());
    }
    EXPECT_FALSE(doc.isModified());
}

TEST(OpenProject, VanishedTargetsAndUtf16PagesAreReportedAfterLoading)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("a.htm", "<html><head>\r\n<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n"
                       "    Target=\"gone\"\r\n"
                       "        IndexAs=\"Lost\",SortAs=\"lost\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\","
                       "HelpWindow=\"\",HelpFrame=\"\"\r\n"
                       "  HTML Torvane -->\r\n</head><body></body></html>");
    dir.write("wide.htm", std::string("\xFF\xFE<\0h\0", 6));
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"a.htm", "wide.htm"}))));
    ASSERT_EQ(app.reportTitles(), std::vector<std::string> {"Report Page Problems"});
    EXPECT_EQ(app.presenter.shown[0].body, dir.file("a.htm") + ": entries of the missing target \"gone\": Lost\r\n" +
                                               dir.file("wide.htm") + ": " + std::string(kUtf16Problem) + "\r\n");
    const std::vector<PageFinding> findings = doc.pageFindings();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].page, dir.file("a.htm"));
    EXPECT_EQ(findings[0].oldTarget, "gone");
    EXPECT_EQ(findings[0].entries, std::vector<std::string> {"Lost"});

    // Saving another change keeps the entries in the page.
    SourceFile& page = *doc.root().localFiles().findFile("a.htm");
    page.setExpanded(true);
    doc.root().applyTreeSelection(page, false, false);
    doc.addIndexEntry({"Entry", "entry", "Entry", "Untitled", "", "", ""});
    ASSERT_TRUE(doc.save());
    EXPECT_NE(dir.read("a.htm").find("    Target=\"gone\"\r\n        IndexAs=\"Lost\""), std::string::npos);
}

TEST(OpenProject, ListedTwiceInOtherCaseGivesOneNodeAndProgressShowsEveryPath)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("sub/a.htm", kCrLfPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"sub\\a.htm", "SUB\\A.htm"}))));
    EXPECT_EQ(doc.root().count(NodeKindMask::File | NodeKindMask::Folder), 2u);
    EXPECT_EQ(app.progress.titles, std::vector<std::string> {"Add Files Progress"});
    EXPECT_EQ(app.progress.cancellables, std::vector<bool> {true}) << "loading may be stopped between pages";
    EXPECT_EQ(app.progress.totals, std::vector<int> {2});
    EXPECT_EQ(app.progress.texts, (std::vector<std::string> {dir.file("sub/a.htm"), dir.file("SUB/A.htm")}))
        << "native paths, though the file stores backslashes";
    EXPECT_EQ(app.progress.ended, 1);
}

TEST(OpenProject, CancelStopsLoadingBetweenPages)
{
    TempDir dir;
    DocumentTestApp app;
    app.progress.cancelAfter = 2;
    for (const char* name : {"1.htm", "2.htm", "3.htm", "4.htm"})
        dir.write(name, kCrLfPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"1.htm", "2.htm", "3.htm", "4.htm"}))));
    EXPECT_EQ(doc.root().count(NodeKindMask::File), 2u);
}

TEST(OpenProject, MissingPageIsMarkedAndReportedAfterLoading)
{
    TempDir dir;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"nowhere.htm"}))));
    SourceFile& file = onlyFile(doc);
    EXPECT_TRUE(file.isMissing());
    EXPECT_EQ(file.iconKind(), NodeIcon::MissingFile);
    ASSERT_EQ(app.presenter.shown.size(), 1u);
    EXPECT_EQ(app.presenter.shown[0].title, "Report File Errors");
    EXPECT_NE(app.presenter.shown[0].body.find("Open Input, " + dir.file("nowhere.htm") + ", *** File Not Found"),
              std::string::npos);
    EXPECT_TRUE(app.reports.fileErrors().empty()) << "the list is emptied by the report";

    // Saving keeps the missing page's line and creates no page.
    ASSERT_TRUE(doc.save());
    EXPECT_NE(dir.read("P.ipj").find("File=nowhere.htm\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("nowhere.htm")));
}

TEST(OpenProject, ReadOnlyPageIsReadReportedAndNeverWritten)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("ro.htm", kCrLfPage);
    dir.makeReadOnly("ro.htm");
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"ro.htm"}))));
    EXPECT_EQ(app.reportTitles(), std::vector<std::string> {"Report Read-Only Files"});
    EXPECT_EQ(app.presenter.shown[0].body, dir.file("ro.htm") + "\r\n");
    SourceFile& file = onlyFile(doc);
    EXPECT_EQ(file.defaultEntry()->indexAs(), "Welcome");

    file.setExpanded(true);
    doc.root().applyTreeSelection(file, false, false);
    doc.addIndexEntry({"Entry", "entry", "Entry", "Untitled", "", "", ""});
    app.presenter.shown.clear();
    ASSERT_TRUE(doc.save()) << "the project file itself is written";
    EXPECT_EQ(dir.read("ro.htm"), kCrLfPage);
    EXPECT_TRUE(file.isModified()) << "kept for the next save";
    ASSERT_EQ(app.reportTitles(), std::vector<std::string> {"Report File Errors"});
    EXPECT_NE(app.presenter.shown[0].body.find("Open Output, " + dir.file("ro.htm")), std::string::npos);
}

TEST(OpenProject, PageThatCannotBeReadIsMarkedUnreadable)
{
    TempDir dir;
    DocumentTestApp app;
    std::filesystem::create_directories(dir.file("folder.htm"));
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"folder.htm"}))));
    SourceFile& file = onlyFile(doc);
    EXPECT_TRUE(file.isUnreadable());
    EXPECT_FALSE(file.isMissing());
    EXPECT_EQ(file.iconKind(), NodeIcon::UnreadableFile);
    EXPECT_EQ(file.defaultEntry()->kind(), EntryKind::FileDefaultEmpty);
    ASSERT_FALSE(app.presenter.shown.empty());
    EXPECT_EQ(app.presenter.shown[0].title, "Report File Errors");

    file.setExpanded(true);
    doc.root().applyTreeSelection(file, false, false);
    doc.addIndexEntry({"Entry", "entry", "Entry", "Untitled", "", "", ""});
    EXPECT_EQ(doc.rewriteSourceFile(file), HtmlFileOpenInput);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.htm")));
}

// The records below each node are counted while the project loads; what
// comes later (a page added to a counted folder, its undo, an entry added)
// must not leave an old count behind.
TEST(OpenProject, RecordsCountedWhileLoadingFollowLaterChanges)
{
    TempDir dir;
    DocumentTestApp app;
    for (const char* page : {"c.htm", "sub/a.htm", "sub/deep/b.htm", "sub/new.htm"})
        dir.write(page, kCrLfPage);
    const std::string path = dir.write("P.ipj", projectWithFiles({"c.htm", "sub\\a.htm", "sub\\deep\\b.htm"}));
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(path));
    ProjectRootNode& root = doc.root();
    FolderNode* sub = root.localFiles().findFolder("sub");
    ASSERT_NE(sub, nullptr);
    const unsigned records = NodeKindMask::Entries | NodeKindMask::CrossReferences;
    // Checks every count and returns the project's.
    const auto countsBelow = [&](const char* when) {
        EXPECT_EQ(root.localFiles().recordsBelow(), root.localFiles().count(records)) << when;
        EXPECT_EQ(sub->recordsBelow(), sub->count(records)) << when;
        EXPECT_EQ(root.recordsBelow(), root.count(records)) << when;
        return root.count(records);
    };
    const std::size_t opened = countsBelow("after opening");
    // Each page lists its title and its two anchors.
    EXPECT_EQ(opened, 9u);

    doc.addFiles({dir.file("sub/new.htm")});
    EXPECT_EQ(countsBelow("after a page was added to a counted folder"), opened + 3);
    doc.undo();
    EXPECT_EQ(countsBelow("after the added page was taken out again"), opened);

    SourceFile& deep = root.findOrCreateFile(dir.file("sub/deep/b.htm"));
    ASSERT_FALSE(deep.targets().empty());
    deep.targets().back()->addEntry(makeEntry("extra"));
    countsBelow("after an entry was added");
}

TEST(SaveProject, PageAndProjectFileInAFolderThatTakesNoNewFilesAreSavedInPlace)
{
    TempDir dir;
    TempDir cache;
    ::chmod(cache.path().c_str(), 0777);
    const std::string page = dir.write("page.htm", kCrLfPage);
    const std::string project = dir.write("P.ipj", projectWithFiles({"page.htm"}));
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(page.c_str(), testing::unprivilegedId, testing::unprivilegedId), 0);
        ASSERT_EQ(::chown(project.c_str(), testing::unprivilegedId, testing::unprivilegedId), 0);
    }
    ::chmod(dir.path().c_str(), 0555);
    // 1: not opened, 2: not saved, 3: something was reported (such as the page as read-only).
    const int result = testing::runUnprivileged([&] {
        ::setenv("XDG_CACHE_HOME", cache.path().c_str(), 1);
        DocumentTestApp app;
        CProjectDoc doc(app.services);
        if (!doc.openProject(project))
            return 1;
        SourceFile& file = onlyFile(doc);
        file.setExpanded(true);
        doc.root().applyTreeSelection(file, false, false);
        doc.addIndexEntry({"Entry", "entry", "Entry", "Untitled", "", "", ""});
        if (!doc.save())
            return 2;
        return app.reportTitles().empty() ? 0 : 3;
    });
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(result, 0);
    EXPECT_NE(dir.read("page.htm").find("IndexAs=\"Entry\""), std::string::npos);
    EXPECT_NE(dir.read("P.ipj"), projectWithFiles({"page.htm"}));
    EXPECT_NE(dir.read("P.ipj").find("File=page.htm\r\n"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 2);
}

TEST(SaveProject, PageHoldingANulByteIsNotCutShort)
{
    using namespace std::string_literals;
    TempDir dir;
    DocumentTestApp app;
    const std::string page = "<html><head><title>Nul</title></head><body>before\0after</body></html>"s;
    dir.write("nul.htm", page);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"nul.htm"}))));
    SourceFile& file = onlyFile(doc);
    file.setExpanded(true);
    doc.root().applyTreeSelection(file, false, false);
    doc.addIndexEntry({"Entry", "entry", "Entry", "Untitled", "", "", ""});
    ASSERT_TRUE(doc.save());
    EXPECT_EQ(dir.read("nul.htm"), page);
    EXPECT_TRUE(file.isModified());
    EXPECT_EQ(app.reportTitles(), std::vector<std::string> {"Report File Errors"});
}

TEST(OpenProject, UnreadableProjectFileFailsWithReport)
{
    TempDir dir;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    EXPECT_FALSE(doc.openProject(dir.file("absent.ipj")));
    EXPECT_EQ(app.reportTitles(), std::vector<std::string> {"Report File Errors"});
    EXPECT_EQ(doc.root().count(NodeKindMask::File), 0u);
}

TEST(OpenProject, JunkAndMisspelledSectionsGiveAnEmptyProject)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("a.htm", kCrLfPage);
    using namespace std::string_literals;
    const std::string junk = "\x01\x02\xff binary\0 junk\r\r\n=\n[\n[local files]\nFile=a.htm\nIndex=Lower.htm\n"
                             "[LOCAL FILES]\nFile=a.htm\n[External Urls]\nURL=http://x/\n"
                             "[Layout]\nColumns=abc\nPage Title=\n\0"s;
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("J.ipj", junk)));
    EXPECT_EQ(doc.root().count(NodeKindMask::AllNodes | NodeKindMask::Entries | NodeKindMask::CrossReferences), 4u)
        << "root and its three containers only";
    EXPECT_EQ(doc.outputNames(), OutputNames {});
    EXPECT_EQ(doc.styles().columns, 0) << "a number without digits reads as 0";
    EXPECT_EQ(doc.styles().pageTitle, "");
    EXPECT_EQ(dir.read("a.htm"), kCrLfPage);
}

TEST(OpenProject, OnlyTheFirstOfDuplicateSectionsCounts)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("a.htm", kCrLfPage);
    dir.write("b.htm", kCrLfPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("D.ipj", "[Local Files]\nFile=a.htm\nIndex=First.htm\n"
                                                   "[Xrefs]\nHeading=\"One\"\n"
                                                   "[Local Files]\nFile=b.htm\nIndex=Second.htm\n"
                                                   "[Xrefs]\nHeading=\"Two\"\n")));
    ASSERT_EQ(doc.root().count(NodeKindMask::File), 1u);
    EXPECT_NE(doc.root().localFiles().findFile("a.htm"), nullptr);
    EXPECT_EQ(doc.indexName(), "First.htm");
    EXPECT_EQ(doc.root().count(NodeKindMask::CrossReferences), 1u);
}

TEST(SaveProject, WritesTheVersionFourLayoutByteForByte)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("b.htm", kCrLfPage);
    dir.write("A.htm", kCrLfPage);
    dir.write("sub/c.htm", kCrLfPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({"b.htm", "sub\\c.htm", "A.htm"}))));
    doc.addExternalUrl("http://z.example/");
    doc.addExternalUrl("  http://a.example/");
    doc.addExternalUrl("http://m.example/");
    ExternalUrl& a = *doc.root().externalUrls().findUrl("http://a.example/");
    doc.root().applyTreeSelection(a, false, false);
    doc.addIndexEntry({"Say \\\"x\\\"", "say", "Say", "Title", "tgt", "win", "frm"});
    doc.addIndexEntry({"Also", "also", "Also", "Untitled", "", "", ""});
    doc.root().applyTreeSelection(*doc.root().externalUrls().findUrl("http://z.example/"), false, false);
    doc.excludeSelected();
    doc.createCrossReference({"Apples", "apples", ",", "see", "Fruit", "Fruit", true});
    doc.createCrossReference({"Pears", "pears", ".", "<i>See</i>", "Fruit", "fruit", false});
    doc.createCrossReference({"Beans", "beans", ".", "See", "Beans", "beans", true});
    app.progress = RecordingProgress {};
    ASSERT_TRUE(doc.save());

    std::string expected = "HTML Torvane, Version 4.0\r\n\r\n// This file is sequence and content dependent.\r\n"
                           "// Do not edit this file.\r\n\r\n";
    writeStyleSections(expected, doc.styles());
    expected += "[Local Files]\r\nIndex=Out.htm\r\nHtml Help=Torvane.hhk\r\nJava Help=Torvane.xml\r\n"
                "Java Map=Torvane.jhm\r\nFile=sub\\c.htm\r\nFile=A.htm\r\nFile=b.htm\r\n\r\n"
                "[External URLs]\r\n"
                "URL=http://a.example/\r\n"
                "IndexAs=\"Also\",SortAs=\"also\",HelpAs=\"Also\",HelpTitle=\"Untitled\",IndexTarget=\"\","
                "HelpWindow=\"\",HelpFrame=\"\"\r\n"
                "IndexAs=\"Say \\\"x\\\"\",SortAs=\"say\",HelpAs=\"Say\",HelpTitle=\"Title\",IndexTarget=\"tgt\","
                "HelpWindow=\"win\",HelpFrame=\"frm\"\r\n"
                "URL=http://m.example/\r\n"
                "URL=http://z.example/\r\n"
                "IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\",HelpWindow=\"\","
                "HelpFrame=\"\"\r\n\r\n"
                "[Xrefs]\r\n"
                "Heading=\"Beans\",HeadingSort=\"beans\",Separator=\".\",Reference=\"See\",Locator=\"Beans\","
                "LocatorSort=\"beans\",LinkToLocator=\"1\"\r\n"
                "Heading=\"Apples\",HeadingSort=\"apples\",Separator=\",\",Reference=\"see\",Locator=\"Fruit\","
                "LocatorSort=\"Fruit\",LinkToLocator=\"1\"\r\n"
                "Heading=\"Pears\",HeadingSort=\"pears\",Separator=\".\",Reference=\"<i>See</i>\","
                "Locator=\"Fruit\",LocatorSort=\"fruit\",LinkToLocator=\"0\"\r\n\r\n";
    EXPECT_EQ(dir.read("P.ipj"), expected);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(app.progress.titles, std::vector<std::string> {"Save Project Progress"});
    EXPECT_EQ(app.progress.cancellables, std::vector<bool> {false}) << "a save always runs to its end";
    EXPECT_EQ(app.progress.totals, std::vector<int> {3});
    for (const char* page : {"b.htm", "A.htm", "sub/c.htm"})
        EXPECT_EQ(dir.read(page), kCrLfPage) << page << " had no change to write";

    // Reading the written file back gives the same project, except that a
    // URL stored without entry lines comes back excluded.
    doc.root().applyTreeSelection(*doc.root().externalUrls().findUrl("http://m.example/"), false, false);
    doc.excludeSelected();
    const std::string before = TreeDump::of(doc.root());
    DocumentTestApp otherApp;
    CProjectDoc reopened(otherApp.services);
    ASSERT_TRUE(reopened.openProject(dir.file("P.ipj")));
    EXPECT_EQ(TreeDump::of(reopened.root()), before);
    EXPECT_EQ(reopened.outputNames(), doc.outputNames());
}

TEST(SaveProject, UnwritableProjectFileIsReportedAndKeepsTheMark)
{
    TempDir dir;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    const std::string path = dir.write("P.ipj", projectWithFiles({}));
    ASSERT_TRUE(doc.openProject(path));
    doc.addExternalUrl("http://x/");
    dir.makeReadOnly("P.ipj");
    EXPECT_FALSE(doc.save());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(app.reportTitles(), std::vector<std::string> {"Report File Errors"});
    EXPECT_EQ(dir.read("P.ipj"), projectWithFiles({}));
}

TEST(SetFileNames, RenamesInTheProjectDirectoryAndMarksModified)
{
    TempDir dir;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", projectWithFiles({}))));
    doc.setFileNames("New.ipj", {"I.htm", "H.hhk", "J.xml", "M.jhm"});
    EXPECT_EQ(doc.pathName(), dir.file("New.ipj"));
    EXPECT_EQ(doc.title(), "New.ipj");
    EXPECT_EQ(doc.projectFileName(), "New.ipj");
    EXPECT_EQ(doc.outputNames(), (OutputNames {"I.htm", "H.hhk", "J.xml", "M.jhm"}));
    EXPECT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.save());
    EXPECT_NE(dir.read("New.ipj").find("Index=I.htm\r\nHtml Help=H.hhk\r\nJava Help=J.xml\r\nJava Map=M.jhm\r\n"),
              std::string::npos);
}

TEST(ProjectFileWriter, FirstAndRenamedFileLayouts)
{
    EXPECT_EQ(renamedProjectStub({"I.htm", "H.hhk", "J.xml", "M.jhm"}),
              "HTML Torvane, Version 4.0\r\n\r\n// This file is sequence and content dependent.\r\n"
              "// Do not edit this file.\r\n\r\n[Local Files]\r\nIndex=I.htm\r\nHtml Help=H.hhk\r\n"
              "Java Help=J.xml\r\nJava Map=M.jhm\r\n\r\n");
    EXPECT_EQ(versionThreeProjectFile(OutputNames {}),
              "HTML Torvane, Version 3.0\r\n\r\n// This file is sequence and content dependent.\r\n"
              "// Do not edit this file.\r\n\r\n[Local Files]\r\nIndex=Torvane.htm\r\nHtml Help=Torvane.hhk\r\n"
              "Java Help=Torvane.xml\r\nJava Map=Torvane.jhm\r\n\r\n");
}

} // namespace
} // namespace torvane::test

namespace torvane::test {
namespace {

TEST(OpenProject, ExtensionDefaultsStartNewProjectsOnly)
{
    TempDir dir;
    DocumentTestApp app;
    app.profile.writeString("Torvane Extensions", "Collation", "cs");
    app.profile.writeInt("Torvane Extensions", "Index Layout", 1);
    CProjectDoc fresh(app.services);
    ASSERT_TRUE(fresh.openProject(dir.write("New.ipj", "")));
    EXPECT_EQ(fresh.styles().extensions.collation, "cs");
    EXPECT_EQ(fresh.styles().extensions.indexLayout, 1);
    ASSERT_TRUE(fresh.save());
    EXPECT_NE(dir.read("New.ipj").find("[Torvane Extensions]\r\nCollation=cs\r\nIndex Layout=1\r\n"),
              std::string::npos);

    // A project written before keeps the classic order and page it was made with.
    CProjectDoc old(app.services);
    ASSERT_TRUE(old.openProject(dir.write("Old.ipj", projectWithFiles({}))));
    EXPECT_EQ(old.styles().extensions, TorvaneExtensions {});
}

TEST(SaveProject, ExtensionsSectionComesBackAsReadAndOutlivesTheDefaultStyles)
{
    TempDir dir;
    DocumentTestApp app;
    const std::string section =
        "[Torvane Extensions]\r\nCollation=de\r\nIndex Layout=1\r\nMerge Case Variants=0\r\n\r\n";
    CProjectDoc first(app.services);
    ASSERT_TRUE(first.openProject(dir.write("P.ipj", projectWithFiles({}))));
    ASSERT_TRUE(first.save());
    const std::string saved = dir.read("P.ipj");
    EXPECT_EQ(saved.find("[Torvane Extensions]"), std::string::npos);

    dir.write("P.ipj", saved + section);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.file("P.ipj")));
    EXPECT_EQ(doc.styles().extensions.collation, "de");
    EXPECT_EQ(doc.styles().extensions.indexLayout, 1);
    doc.applyDefaultStyles();
    EXPECT_EQ(doc.styles().extensions.collation, "de");
    ASSERT_TRUE(doc.save());
    EXPECT_EQ(dir.read("P.ipj"), saved + section);
}

} // namespace
} // namespace torvane::test

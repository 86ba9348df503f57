#include "support/DocumentTestApp.h"
#include "support/TempDir.h"

#include "document/PageLocations.h"
#include "document/StorablePaths.h"
#include "model/ExternalUrl.h"
#include "model/SourceFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

namespace torvane::test {
namespace {

const std::string kPage = "<html><head><title>Page</title></head><body><h1>Page</h1></body></html>";

std::vector<std::string> listedPaths(CProjectDoc& doc)
{
    std::vector<ProjectNode*> files;
    doc.root().collect(files, NodeKindMask::File);
    std::vector<std::string> paths;
    for (ProjectNode* file : files)
        paths.push_back(file->relativePath());
    return paths;
}

// --- Line ends and unreadable project files ---

TEST(ProjectFileLines, ALoneCrProjectOpensWithItsPagesAndSettings)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("a.htm", kPage);
    dir.write("sub/b.htm", kPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "HTML Torvane, Version 4.0\r\r[Layout]\rColumns=2\r\r"
                                                   "[Local Files]\rIndex=Book.htm\rFile=a.htm\rFile=sub\\b.htm\r\r"
                                                   "[External URLs]\rURL=http://x.org/\r"
                                                   "IndexAs=\"X\",SortAs=\"x\"\r")));
    EXPECT_EQ(listedPaths(doc), (std::vector<std::string> {"sub\\b.htm", "a.htm"}));
    EXPECT_EQ(doc.indexName(), "Book.htm");
    EXPECT_EQ(doc.styles().columns, 2);
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 1u);
    EXPECT_TRUE(app.presenter.shown.empty());
}

TEST(ProjectFileLines, ATextThatIsNoProjectFileIsRefusedNotOpenedEmpty)
{
    TempDir dir;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    // What a UTF-16 project file looks like when read as bytes: no line is a project line.
    const std::string path = dir.write("P.ipj", std::string("\xff\xfeH\0T\0M\0L\0", 10));
    EXPECT_FALSE(doc.openProject(path));
    ASSERT_EQ(app.presenter.shown.size(), 1u);
    EXPECT_EQ(app.presenter.shown[0].body, "Read, " + path + ", *** Invalid File *** ,Cause=6, OS Error=0\r\n");

    // An empty file is a project without anything in it.
    DocumentTestApp other;
    CProjectDoc empty(other.services);
    EXPECT_TRUE(empty.openProject(dir.write("Empty.ipj", "")));
    EXPECT_TRUE(other.presenter.shown.empty());
}

// --- Names the project file cannot hold ---

TEST(UnstorableNames, PagesWhoseNamesCannotBeStoredAreRefusedWithAMessage)
{
    TempDir dir;
    DocumentTestApp app;
    const std::string slashed = dir.write("notes\\draft.htm", kPage);
    const std::string broken = dir.write("two\nlines.htm", kPage);
    const std::string plain = dir.write("plain.htm", kPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "HTML Torvane, Version 4.0\r\n")));
    doc.addFiles({slashed, plain, broken});
    EXPECT_EQ(listedPaths(doc), std::vector<std::string> {"plain.htm"});
    EXPECT_EQ(app.messages.messages,
              std::vector<std::string> {std::string(kUnstorablePagesMessage) + slashed + "\n" + broken + "\n"});

    ASSERT_TRUE(doc.save());
    CProjectDoc reopened(app.services);
    ASSERT_TRUE(reopened.openProject(dir.file("P.ipj")));
    EXPECT_EQ(listedPaths(reopened), std::vector<std::string> {"plain.htm"});
}

TEST(UnstorableNames, StoredSeparatorsAndNamesOutsideTheProjectAreJudgedByWhatIsStored)
{
    EXPECT_TRUE(projectFileCanHold("/p/", "/p/sub/page.htm"));
    EXPECT_FALSE(projectFileCanHold("/p/", "/p/sub\\page.htm"));
    EXPECT_FALSE(projectFileCanHold("/p/", "/p/sub/pa\rge.htm"));
    // Outside the project only the bare name is stored.
    EXPECT_TRUE(projectFileCanHold("/p/", "/q\\r/page.htm"));
    EXPECT_FALSE(projectFileCanHold("/p/", "/q/pa\\ge.htm"));
}

// --- Temporaries left by a killed save ---

TEST(StaleTemporaries, TheNextSaveRemovesOnlyOldFilesOfItsOwnNaming)
{
    namespace fs = std::filesystem;
    TempDir dir;
    DocumentTestApp app;
    dir.write("sub/a.htm", kPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\r\nFile=sub\\a.htm\r\n")));
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name :
         {"sub/.torvane-AbC123", ".torvane-xyz789", ".torvane-notes", ".torvane-ab_123", "sub/torvane-Old123"}) {
        dir.write(name, "left over");
        fs::last_write_time(dir.file(name), anHourAgo);
    }
    dir.write(".torvane-Now123", "a save running right now");
    // A folder no page was written to is left alone.
    dir.write("other/.torvane-Old456", "left over");
    fs::last_write_time(dir.file("other/.torvane-Old456"), anHourAgo);

    std::vector<ProjectNode*> files;
    doc.root().collect(files, NodeKindMask::File);
    ASSERT_EQ(files.size(), 1u);
    files[0]->setModified(true);
    ASSERT_TRUE(doc.save());

    EXPECT_FALSE(fs::exists(dir.file("sub/.torvane-AbC123")));
    EXPECT_FALSE(fs::exists(dir.file(".torvane-xyz789")));
    for (const char* kept :
         {".torvane-notes", ".torvane-ab_123", "sub/torvane-Old123", ".torvane-Now123", "other/.torvane-Old456"})
        EXPECT_TRUE(fs::exists(dir.file(kept))) << kept;
}

TEST(StaleTemporaries, AFreshTemporaryGoesAtOnceWhenTheProcessThatMadeItIsGone)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("a.htm", kPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\r\nFile=a.htm\r\n")));
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string killed = ".torvane-" + std::to_string(gone) + "-AbC123";
    const std::string running = ".torvane-" + std::to_string(::getppid()) + "-AbC123";
    dir.write(killed, "left by a killed save");
    dir.write(running, "a save running right now");
    dir.write(".torvane-0-AbC123", "not of our naming");

    ASSERT_TRUE(doc.save());
    EXPECT_FALSE(std::filesystem::exists(dir.file(killed)));
    EXPECT_TRUE(std::filesystem::exists(dir.file(running)));
    EXPECT_TRUE(std::filesystem::exists(dir.file(".torvane-0-AbC123")));
}

// --- Which file a listed name really is ---

std::vector<SourceFile*> pagesOf(CProjectDoc& doc)
{
    std::vector<ProjectNode*> files;
    doc.root().collect(files, NodeKindMask::File);
    std::vector<SourceFile*> pages;
    for (ProjectNode* file : files)
        pages.push_back(static_cast<SourceFile*>(file));
    return pages;
}

TEST(FileNames, NamesDifferingOnlyInCaseAreTwoPagesThroughSaveAndReopen)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("Page.htm", "<h1>Upper</h1>");
    dir.write("page.htm", "<h1>lower</h1>");
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\r\nFile=Page.htm\r\nFile=page.htm\r\n")));
    ASSERT_EQ(listedPaths(doc), (std::vector<std::string> {"Page.htm", "page.htm"}));
    const std::vector<SourceFile*> pages = pagesOf(doc);
    EXPECT_EQ(pages[0]->defaultEntry()->indexAs(), "Upper");
    EXPECT_EQ(pages[1]->defaultEntry()->indexAs(), "lower");
    ASSERT_TRUE(doc.save());
    EXPECT_NE(dir.read("P.ipj").find("File=Page.htm\r\nFile=page.htm\r\n"), std::string::npos);
}

TEST(FileNames, AProjectWrittenWhereCaseDidNotMatterFindsItsPages)
{
    TempDir dir;
    DocumentTestApp app;
    dir.write("sub/page.htm", "<h1>Found</h1>");
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\r\nFile=SUB\\Page.HTM\r\nFile=sub\\page.htm\r\n")));
    ASSERT_EQ(listedPaths(doc), std::vector<std::string> {"sub\\page.htm"});
    EXPECT_FALSE(pagesOf(doc)[0]->isMissing());
    EXPECT_EQ(pagesOf(doc)[0]->defaultEntry()->indexAs(), "Found");
    EXPECT_TRUE(app.presenter.shown.empty());
}

TEST(FileNames, OneFileUnderTwoNamesIsOnePageAndTheOtherNameIsTold)
{
    namespace fs = std::filesystem;
    TempDir dir;
    DocumentTestApp app;
    dir.write("a.htm", "<h1>A</h1>");
    fs::create_symlink("a.htm", dir.file("link.htm"));
    fs::create_hard_link(dir.file("a.htm"), dir.file("hard.htm"));
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\r\nFile=a.htm\r\nFile=link.htm\r\n")));
    EXPECT_EQ(listedPaths(doc), std::vector<std::string> {"a.htm"});
    ASSERT_EQ(app.messages.messages.size(), 1u);
    EXPECT_EQ(app.messages.messages[0], std::string(kSameFileMessage) + dir.file("link.htm") +
                                            "\n    the same file as " + dir.file("a.htm") + "\n");

    doc.addFiles({dir.file("hard.htm"), dir.file("a.htm")});
    EXPECT_EQ(listedPaths(doc), std::vector<std::string> {"a.htm"});
    ASSERT_EQ(app.messages.messages.size(), 3u);
    EXPECT_EQ(app.messages.messages[2], kNothingAddedMessage) << "after the other name is told";
}

TEST(FileNames, PagesOutsideTheProjectFolderAreShownMarkedAndNotWritten)
{
    namespace fs = std::filesystem;
    TempDir dir;
    DocumentTestApp app;
    const std::string outsidePage = "<html><head></head><body><h1>Elsewhere</h1></body></html>";
    dir.write("elsewhere.htm", outsidePage);
    dir.write("linked.htm", outsidePage);
    dir.write("proj/inside.htm", kPage);
    fs::create_symlink(dir.file("linked.htm"), dir.file("proj/link.htm"));
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(
        dir.write("proj/P.ipj", "[Local Files]\r\nFile=inside.htm\r\nFile=link.htm\r\nFile=..\\elsewhere.htm\r\n")));
    std::vector<std::string> outside;
    for (SourceFile* page : pagesOf(doc)) {
        EXPECT_EQ(page->isOutsideProject(), page->label() != "inside.htm") << page->fullPath();
        EXPECT_EQ(page->iconKind(), page->isOutsideProject() ? NodeIcon::OutsideFile : NodeIcon::File);
        if (page->isOutsideProject())
            outside.push_back(page->fullPath());
        page->setModified(true);
    }
    ASSERT_EQ(outside.size(), 2u);
    ASSERT_EQ(app.messages.messages.size(), 1u);
    EXPECT_EQ(app.messages.messages[0], std::string(kOutsidePagesMessage) + dir.file("proj/link.htm") + "\n" +
                                            dir.file("proj/../elsewhere.htm") + "\n");

    EXPECT_TRUE(doc.save());
    EXPECT_EQ(dir.read("elsewhere.htm"), outsidePage);
    EXPECT_EQ(dir.read("linked.htm"), outsidePage);
    EXPECT_TRUE(fs::is_symlink(dir.file("proj/link.htm")));
    EXPECT_NE(dir.read("proj/inside.htm"), kPage) << "pages inside are saved";
    ASSERT_FALSE(app.presenter.shown.empty());
    EXPECT_NE(app.presenter.shown.back().body.find("Open Output, " + dir.file("proj/link.htm") +
                                                   ", *** Access Denied *** ,Cause=5, OS Error=0"),
              std::string::npos);
    EXPECT_TRUE(pagesOf(doc)[0]->isModified() || pagesOf(doc)[1]->isModified());

    // The user's explicit leave lets the save write there.
    app.profile.writeInt("Torvane Options", std::string(kWriteOutsideProjectKey), 1);
    EXPECT_TRUE(doc.save());
    EXPECT_NE(dir.read("elsewhere.htm"), outsidePage);
}

TEST(FileNames, APageIsOutsideWhereverItsFolderResolves)
{
    namespace fs = std::filesystem;
    TempDir dir;
    DocumentTestApp app;
    dir.write("away/far.htm", kPage);
    dir.write("proj/real/near.htm", kPage);
    dir.write("proj/real/also.htm", kPage);
    fs::create_directory_symlink(dir.file("away"), dir.file("proj/gone"));
    fs::create_directory_symlink("real", dir.file("proj/alias"));
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write(
        "proj/P.ipj", "[Local Files]\r\nFile=gone\\far.htm\r\nFile=alias\\near.htm\r\nFile=real\\also.htm\r\n")));
    std::vector<std::string> outside;
    for (SourceFile* page : pagesOf(doc))
        if (page->isOutsideProject())
            outside.push_back(page->label());
    EXPECT_EQ(outside, std::vector<std::string> {"far.htm"});
    EXPECT_EQ(pagesOf(doc).size(), 3u);
}

// --- Values holding a double quote ---

TEST(ProjectValues, BareQuotesOfHandEditedValuesReadBackWholeAfterASave)
{
    TempDir dir;
    DocumentTestApp app;
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[External URLs]\r\nURL=http://x.org/\r\n"
                                                   "IndexAs=a\"b SortAs=ab\r\n[Xrefs]\r\n"
                                                   "Heading=say\"hi Reference=see\"also\r\n")));
    ASSERT_TRUE(doc.save());
    const std::string saved = dir.read("P.ipj");
    EXPECT_NE(saved.find("IndexAs=\"a\\\"b\",SortAs=\"ab\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("Heading=\"say\\\"hi\",HeadingSort=\"say\\\"hi\""), std::string::npos) << saved;

    CProjectDoc reopened(app.services);
    ASSERT_TRUE(reopened.openProject(dir.file("P.ipj")));
    ASSERT_TRUE(reopened.save());
    EXPECT_EQ(dir.read("P.ipj"), saved) << "a second save writes the same bytes";
    const ExternalUrl* url = reopened.root().externalUrls().findUrl("http://x.org/");
    ASSERT_NE(url, nullptr);
    ASSERT_EQ(url->entries().size(), 1u);
    EXPECT_EQ((*url->entries().begin())->indexAs(), "a\\\"b");
}

} // namespace
} // namespace torvane::test

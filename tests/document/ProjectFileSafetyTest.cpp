#include "DocumentTestSupport.h"

#include "document/StorablePaths.h"
#include "model/SourceFile.h"

#include <gtest/gtest.h>

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
    TestApp app;
    dir.write("a.htm", kPage);
    dir.write("sub/b.htm", kPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "HTML Torvane, Version 4.0\r\r[Layout]\rColumns=2\r\r"
                                                   "[Local Files]\rIndex=Book.htm\rFile=a.htm\rFile=sub\\b.htm\r\r"
                                                   "[External URLs]\rURL=http://x.org/\r"
                                                   "IndexAs=\"X\",SortAs=\"x\"\r")));
    EXPECT_EQ(listedPaths(doc), (std::vector<std::string>{"sub\\b.htm", "a.htm"}));
    EXPECT_EQ(doc.indexName(), "Book.htm");
    EXPECT_EQ(doc.styles().columns, 2);
    EXPECT_EQ(doc.root().count(NodeKindMask::Url), 1u);
    EXPECT_TRUE(app.presenter.shown.empty());
}

TEST(ProjectFileLines, ATextThatIsNoProjectFileIsRefusedNotOpenedEmpty)
{
    TempDir dir;
    TestApp app;
    CProjectDoc doc(app.services);
    // What a UTF-16 project file looks like when read as bytes: no line is a project line.
    const std::string path = dir.write("P.ipj", std::string("\xff\xfeH\0T\0M\0L\0", 10));
    EXPECT_FALSE(doc.openProject(path));
    ASSERT_EQ(app.presenter.shown.size(), 1u);
    EXPECT_EQ(app.presenter.shown[0].body, "Read, " + path + ", *** Invalid File *** ,Cause=6, OS Error=0\r\n");

    // An empty file is a project without anything in it.
    TestApp other;
    CProjectDoc empty(other.services);
    EXPECT_TRUE(empty.openProject(dir.write("Empty.ipj", "")));
    EXPECT_TRUE(other.presenter.shown.empty());
}

// --- Names the project file cannot hold ---

TEST(UnstorableNames, PagesWhoseNamesCannotBeStoredAreRefusedWithAMessage)
{
    TempDir dir;
    TestApp app;
    const std::string slashed = dir.write("notes\\draft.htm", kPage);
    const std::string broken = dir.write("two\nlines.htm", kPage);
    const std::string plain = dir.write("plain.htm", kPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "HTML Torvane, Version 4.0\r\n")));
    doc.addFiles({slashed, plain, broken});
    EXPECT_EQ(listedPaths(doc), std::vector<std::string>{"plain.htm"});
    EXPECT_EQ(app.messages.messages,
              std::vector<std::string>{std::string(kUnstorablePagesMessage) + slashed + "\n" + broken + "\n"});

    ASSERT_TRUE(doc.save());
    CProjectDoc reopened(app.services);
    ASSERT_TRUE(reopened.openProject(dir.file("P.ipj")));
    EXPECT_EQ(listedPaths(reopened), std::vector<std::string>{"plain.htm"});
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
    TestApp app;
    dir.write("sub/a.htm", kPage);
    CProjectDoc doc(app.services);
    ASSERT_TRUE(doc.openProject(dir.write("P.ipj", "[Local Files]\r\nFile=sub\\a.htm\r\n")));
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"sub/.torvane-AbC123", ".torvane-xyz789", ".torvane-notes", ".torvane-ab_123",
                             "sub/torvane-Old123"}) {
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
    for (const char* kept : {".torvane-notes", ".torvane-ab_123", "sub/torvane-Old123", ".torvane-Now123",
                             "other/.torvane-Old456"})
        EXPECT_TRUE(fs::exists(dir.file(kept))) << kept;
}

} // namespace
} // namespace torvane::test

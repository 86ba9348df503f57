#include "model/FolderNode.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"

#include "MakeEntry.h"

#include <gtest/gtest.h>

namespace torvane {
namespace {

using test::makeEntry;

std::unique_ptr<CrossReference> makeReference(std::string_view heading, std::string_view locatorSort)
{
    auto x = std::make_unique<CrossReference>();
    x->set(heading, heading, ".", "<i>See</i>", locatorSort, locatorSort, true);
    return x;
}

std::vector<std::string> labels(const std::vector<ProjectNode*>& nodes)
{
    std::vector<std::string> names;
    for (const ProjectNode* node : nodes)
        names.push_back(node->label());
    return names;
}

std::vector<std::string> sortKeys(const std::vector<IndexEntry*>& entries)
{
    std::vector<std::string> keys;
    for (const IndexEntry* entry : entries)
        keys.emplace_back(entry->sortKey());
    return keys;
}

class ProjectTreeTest : public ::testing::Test {
protected:
    void SetUp() override { root.setProjectDirectory("/home/ann/Docs/"); }
    ProjectRootNode root;
};

TEST_F(ProjectTreeTest, ContainersHaveFixedLabels)
{
    EXPECT_EQ(root.label(), "HTML Torvane project");
    EXPECT_EQ(root.externalUrls().label(), "External URLs");
    EXPECT_EQ(root.locators().label(), "X-ref Locators");
    EXPECT_EQ(root.localFiles().label(), "/home/ann/Docs/");
    EXPECT_EQ(root.locators().root(), &root);
    EXPECT_TRUE(root.isExpanded());

    root.setProjectDirectory("/srv/site");
    EXPECT_EQ(root.projectDirectory(), "/srv/site/");
}

TEST_F(ProjectTreeTest, FilePathsComposeFromFolders)
{
    SourceFile& page = root.findOrCreateFile("/home/ann/Docs/guide/intro/page.htm");
    EXPECT_EQ(page.label(), "page.htm");
    EXPECT_EQ(page.fullPath(), "/home/ann/Docs/guide/intro/page.htm");
    EXPECT_EQ(page.relativePath(), "guide\\intro\\page.htm");
    EXPECT_EQ(page.relativeUrl(), "guide/intro/page.htm");
    Target& anchor = page.findOrCreateTarget("step1");
    EXPECT_EQ(anchor.relativeUrl(), "guide/intro/page.htm#step1");
    EXPECT_EQ(anchor.file(), &page);

    auto* folder = static_cast<FolderNode*>(page.folder());
    EXPECT_EQ(folder->label(), "intro");
    EXPECT_EQ(folder->fullPath(), "/home/ann/Docs/guide/intro/");
    EXPECT_EQ(folder->relativePath(), "guide\\intro\\");
    EXPECT_EQ(folder->relativeUrl(), "guide/intro/");
    EXPECT_EQ(root.localFiles().fullPath(), "/home/ann/Docs/");
    EXPECT_EQ(root.localFiles().relativePath(), "");
}

TEST_F(ProjectTreeTest, StoredRelativePathsResolveToTheSameNode)
{
    SourceFile& page = root.findOrCreateFile("/home/ann/Docs/sub/page.htm");
    EXPECT_EQ(&root.findOrCreateFile("/home/ann/Docs/" + page.relativePath()), &page);
}

// Two files on a file system that tells letter case apart stay two pages.
TEST_F(ProjectTreeTest, NamesDifferingInCaseAreTwoFoldersAndFilesNextToEachOther)
{
    SourceFile& first = root.findOrCreateFile("/home/ann/Docs/Sub\\Page.htm");
    SourceFile& second = root.findOrCreateFile("/home/ann/Docs/sub\\page.htm");
    EXPECT_NE(&first, &second);
    EXPECT_EQ(&root.findOrCreateFile("/home/ann/Docs/Sub/Page.htm"), &first);
    ASSERT_EQ(root.localFiles().folders().size(), 2u);
    EXPECT_EQ(root.localFiles().folders()[0]->label(), "Sub");
    EXPECT_EQ(root.localFiles().folders()[1]->label(), "sub");
    EXPECT_EQ(first.label(), "Page.htm");
    EXPECT_EQ(second.label(), "page.htm");
    root.findOrCreateFile("/home/ann/Docs/B.htm");
    root.findOrCreateFile("/home/ann/Docs/a.htm");
    root.findOrCreateFile("/home/ann/Docs/A.htm");
    std::vector<std::string> order;
    for (const SourceFile* file : root.localFiles().files())
        order.push_back(file->label());
    EXPECT_EQ(order, (std::vector<std::string> {"A.htm", "a.htm", "B.htm"}));
}

TEST_F(ProjectTreeTest, ProjectDirectoryMatchesWithoutRegardToCase)
{
    SourceFile& page = root.findOrCreateFile("/HOME/ann/docs/a/b.htm");
    EXPECT_EQ(page.relativePath(), "a\\b.htm");
    EXPECT_EQ(page.fullPath(), "/home/ann/Docs/a/b.htm");
}

TEST_F(ProjectTreeTest, PathsOutsideTheProjectLandAtTheTop)
{
    SourceFile& stray = root.findOrCreateFile("/etc/other/notes.htm");
    EXPECT_EQ(stray.folder(), &root.localFiles());
    EXPECT_EQ(stray.label(), "notes.htm");
    EXPECT_EQ(stray.fullPath(), "/home/ann/Docs/notes.htm");
    EXPECT_EQ(stray.relativePath(), "notes.htm");
    // The directory itself with nothing after it is not a subfolder.
    EXPECT_EQ(&root.localFiles().findOrCreateFolder("/home/ann/Docs/"), &root.localFiles());
}

TEST_F(ProjectTreeTest, TargetsDifferingInCaseAreNeighbours)
{
    SourceFile& page = root.findOrCreateFile("/home/ann/Docs/p.htm");
    page.findOrCreateTarget("zeta");
    Target& upper = page.findOrCreateTarget("Intro");
    Target& lower = page.findOrCreateTarget("intro");
    page.findOrCreateTarget("alpha");
    EXPECT_NE(&upper, &lower);
    EXPECT_EQ(&page.findOrCreateTarget("Intro"), &upper);
    EXPECT_EQ(page.findTarget("intro"), &lower);
    EXPECT_EQ(page.findTarget("INTRO"), nullptr);
    std::vector<std::string> names;
    for (Target* t : page.targets())
        names.push_back(t->label());
    EXPECT_EQ(names, (std::vector<std::string> {"alpha", "Intro", "intro", "zeta"}));
}

TEST_F(ProjectTreeTest, TargetsArrivingInOrderAreFoundAgain)
{
    SourceFile& page = root.findOrCreateFile("/home/ann/Docs/q.htm");
    Target& first = page.findOrCreateTarget("s1");
    Target& last = page.findOrCreateTarget("s2");
    EXPECT_EQ(&page.findOrCreateTarget("s2"), &last);
    EXPECT_EQ(&page.findOrCreateTarget("s1"), &first);
    page.findOrCreateTarget("S2");
    page.findOrCreateTarget("s3");
    std::vector<std::string> names;
    for (Target* t : page.targets())
        names.push_back(t->label());
    EXPECT_EQ(names, (std::vector<std::string> {"s1", "S2", "s2", "s3"}));
}

TEST_F(ProjectTreeTest, UrlsDifferingInCaseAreDistinct)
{
    ExternalUrl& a = root.findOrCreateUrl("http://A.example/");
    ExternalUrl& b = root.findOrCreateUrl("http://a.example/");
    EXPECT_NE(&a, &b);
    EXPECT_EQ(&root.findOrCreateUrl("http://a.example/"), &b);
    EXPECT_EQ(a.relativeUrl(), "http://A.example/");
    EXPECT_EQ(root.externalUrls().urls().size(), 2u);
}

TEST_F(ProjectTreeTest, EmptiedFoldersRemoveThemselves)
{
    SourceFile& deep = root.findOrCreateFile("/home/ann/Docs/a/b/deep.htm");
    SourceFile& keep = root.findOrCreateFile("/home/ann/Docs/a/keep.htm");
    SourceFile& top = root.findOrCreateFile("/home/ann/Docs/top.htm");
    deep.removeFromParent();
    // b is gone, a still holds keep.htm
    ASSERT_EQ(root.localFiles().folders().size(), 1u);
    EXPECT_TRUE(root.localFiles().folders()[0]->folders().empty());
    keep.removeFromParent();
    EXPECT_TRUE(root.localFiles().folders().empty());
    top.removeFromParent();
    EXPECT_TRUE(root.localFiles().isEmpty());
    EXPECT_EQ(root.count(NodeKindMask::LocalFiles), 1u);
}

TEST_F(ProjectTreeTest, CrossReferencesShareLocatorsByLocatorSort)
{
    CrossReference* first = root.addCrossReference(makeReference("Bees", "Insects"));
    CrossReference* second = root.addCrossReference(makeReference("Ants", "INSECTS"));
    EXPECT_EQ(root.addCrossReference(makeReference("Bees", "Insects")), nullptr); // equal to the first
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(root.locators().locatorNodes().size(), 1u);
    LocatorNode* locator = root.locators().locatorNodes()[0];
    EXPECT_EQ(locator->label(), "Insects");
    EXPECT_EQ(locator->crossReferences(), (std::vector<CrossReference*> {second, first}));
    EXPECT_EQ(first->owner(), locator);

    first->removeFromOwner();
    EXPECT_EQ(locator->crossReferenceCount(), 1u);
    second->removeFromOwner();
    EXPECT_TRUE(root.locators().locatorNodes().empty());
}

TEST_F(ProjectTreeTest, WalkOrderOfNodes)
{
    root.findOrCreateFile("/home/ann/Docs/b.htm");
    root.findOrCreateFile("/home/ann/Docs/zfolder/c.htm").findOrCreateTarget("t");
    root.findOrCreateFile("/home/ann/Docs/A.htm");
    root.findOrCreateUrl("http://u/");
    root.addCrossReference(makeReference("h", "Loc"));

    std::vector<ProjectNode*> nodes;
    root.collect(nodes, NodeKindMask::AllNodes);
    EXPECT_EQ(labels(nodes),
              (std::vector<std::string> {"HTML Torvane project", "/home/ann/Docs/", "zfolder", "c.htm", "t", "A.htm",
                                         "b.htm", "External URLs", "http://u/", "X-ref Locators", "Loc"}));
    EXPECT_EQ(root.count(NodeKindMask::AllNodes), nodes.size());

    nodes.clear();
    root.collect(nodes, NodeKindMask::File | NodeKindMask::Url | NodeKindMask::Locator);
    EXPECT_EQ(labels(nodes), (std::vector<std::string> {"c.htm", "A.htm", "b.htm", "http://u/", "Loc"}));
}

TEST_F(ProjectTreeTest, EntryWalkIncludesUrlEntriesAfterLocalFiles)
{
    SourceFile& page = root.findOrCreateFile("/home/ann/Docs/p.htm");
    page.setDefaultEntry(IndexEntry::fromText("page default", EntryKind::FileDefaultHeading));
    page.addEntry(makeEntry("page own"));
    page.findOrCreateTarget("b").setDefaultEntry(IndexEntry::fromText("b default", EntryKind::TargetDefaultText));
    page.findOrCreateTarget("a").addEntry(makeEntry("a own"));
    root.findOrCreateUrl("http://u/").addEntry(makeEntry("url own"));
    root.findOrCreateUrl("http://v/").setExcluded(true);
    root.addCrossReference(makeReference("x", "L"));

    std::vector<IndexEntry*> entries;
    root.collectEntries(entries, NodeKindMask::Entries);
    EXPECT_EQ(sortKeys(entries), (std::vector<std::string> {"page own", "a own", "b default", "url own"}));

    std::vector<CrossReference*> references;
    root.collectCrossReferences(references, NodeKindMask::CrossReferences);
    EXPECT_EQ(references.size(), 1u);

    std::vector<EntryRecord*> records;
    root.collectRecords(records, NodeKindMask::Entries | NodeKindMask::CrossReferences);
    EXPECT_EQ(records.size(), 5u);
    EXPECT_EQ(records.back(), references[0]);
    EXPECT_EQ(root.count(NodeKindMask::Entries | NodeKindMask::CrossReferences | NodeKindMask::Url), 7u);
}

TEST_F(ProjectTreeTest, SelectedOnlyMaskFiltersNodesAndTheirRecords)
{
    SourceFile& page = root.findOrCreateFile("/home/ann/Docs/p.htm");
    page.addEntry(makeEntry("page own"));
    Target& t = page.findOrCreateTarget("t");
    t.addEntry(makeEntry("target own"));
    ExternalUrl& url = root.findOrCreateUrl("http://u/");
    url.addEntry(makeEntry("url own"));
    CrossReference* x = root.addCrossReference(makeReference("x", "L"));

    page.setExpanded(true);
    t.setSelected(true);
    url.setSelected(true);
    std::vector<IndexEntry*> entries;
    root.collectEntries(entries, NodeKindMask::Entries | NodeKindMask::SelectedOnly);
    EXPECT_EQ(sortKeys(entries), (std::vector<std::string> {"target own", "url own"}));
    EXPECT_EQ(root.count(NodeKindMask::File | NodeKindMask::Target | NodeKindMask::Url | NodeKindMask::SelectedOnly),
              2u);

    std::vector<CrossReference*> references;
    root.collectCrossReferences(references, NodeKindMask::CrossReferences | NodeKindMask::SelectedOnly);
    EXPECT_TRUE(references.empty());
    root.locators().locatorNodes()[0]->setSelected(true);
    root.collectCrossReferences(references, NodeKindMask::CrossReferences | NodeKindMask::SelectedOnly);
    EXPECT_EQ(references, std::vector<CrossReference*> {x});
}

TEST_F(ProjectTreeTest, NewChildOfSelectedCollapsedNodeStartsSelected)
{
    root.localFiles().setSelected(true);
    SourceFile& page = root.findOrCreateFile("/home/ann/Docs/f/p.htm");
    EXPECT_TRUE(page.isSelected());
    EXPECT_TRUE(page.folder()->isSelected());
    EXPECT_TRUE(page.findOrCreateTarget("t").isSelected());

    ExternalUrl& url = root.findOrCreateUrl("http://u/");
    EXPECT_FALSE(url.isSelected());
}

} // namespace
} // namespace torvane

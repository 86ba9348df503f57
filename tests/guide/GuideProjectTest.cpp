// The user guide is a Torvane project that the build indexes with the
// program itself; these tests keep it clean: it opens without reports, every
// page carries entries of its own, Save leaves it byte for byte as it is,
// and every link of its pages and of the index the build made resolves.
#include "support/DocumentTestApp.h"
#include "support/TempDir.h"
#include "model/IndexEntry.h"
#include "model/NodeKindMask.h"
#include "model/SourceFile.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <regex>
#include <set>

namespace torvane {
namespace {

namespace fs = std::filesystem;

const fs::path kGuideSource = fs::path(TORVANE_SOURCE_DIR) / "docs/guide";

// A copy of the guide's sources, opened as a project.
class GuideCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(kGuideSource, dir.path(), fs::copy_options::recursive);
        ASSERT_TRUE(doc.openProject(dir.file("Guide.ipj")));
    }

    std::vector<SourceFile*> pages()
    {
        std::vector<ProjectNode*> nodes;
        doc.root().collect(nodes, NodeKindMask::File);
        std::vector<SourceFile*> files;
        for (ProjectNode* node : nodes)
            files.push_back(static_cast<SourceFile*>(node));
        return files;
    }

    test::TempDir dir;
    test::DocumentTestApp app;
    CProjectDoc doc {app.services};
};

TEST_F(GuideCopy, OpensWithoutReportsAndIndexesEveryPage)
{
    EXPECT_TRUE(app.presenter.shown.empty());
    const std::vector<SourceFile*> files = pages();
    EXPECT_GE(files.size(), 15u);
    std::size_t explicitEntries = 0;
    for (SourceFile* file : files) {
        std::vector<IndexEntry*> entries;
        file->collectEntries(entries, NodeKindMask::Entries);
        std::size_t own = 0;
        for (IndexEntry* entry : entries)
            own += entry->isDefault() ? 0 : 1;
        EXPECT_GT(own, 0u) << file->fullPath() << " has no entries of its own";
        // A target left in default mode would put raw heading text into the index.
        for (IndexEntry* entry : entries)
            EXPECT_FALSE(entry->isDefault()) << file->fullPath() << ": " << entry->indexAs();
        explicitEntries += own;
    }
    EXPECT_GE(explicitEntries, 150u);
    std::vector<CrossReference*> references;
    doc.root().collectCrossReferences(references, NodeKindMask::CrossReferences);
    EXPECT_GE(references.size(), 3u);
}

TEST_F(GuideCopy, SavingEveryPageChangesNoByte)
{
    for (SourceFile* file : pages())
        file->setModified(true);
    ASSERT_TRUE(doc.save());
    EXPECT_TRUE(app.presenter.shown.empty());
    for (const fs::directory_entry& entry : fs::directory_iterator(kGuideSource)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(dir.read(name), test::TempDir::contents(entry.path().string()))
            << name << " is not in the form Save writes";
    }
}

// Every href and src of every page of the built guide, index included.
class BuiltGuideLinks : public ::testing::Test {
protected:
    static bool hasAnchor(const std::string& page, const std::string& name)
    {
        const std::regex anchor("(id|name)=\"" +
                                    std::regex_replace(name, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)") + "\"",
                                std::regex::icase);
        return std::regex_search(page, anchor);
    }

    const fs::path built = fs::path(TORVANE_GUIDE_BUILD_DIR);
};

TEST_F(BuiltGuideLinks, EveryLinkOfThePagesAndOfTheIndexResolves)
{
    ASSERT_TRUE(fs::exists(built / "guide-index.htm")) << "the build did not make the guide's index";
    const std::regex link("(href|src)=\"([^\"]*)\"", std::regex::icase);
    std::size_t followed = 0;
    std::set<std::string> pagesLinked;
    for (const fs::directory_entry& entry : fs::directory_iterator(built)) {
        if (entry.path().extension() != ".htm")
            continue;
        const std::string page = test::TempDir::contents(entry.path().string());
        for (std::sregex_iterator it(page.begin(), page.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[2];
            if (target.rfind("http://", 0) == 0 || target.rfind("https://", 0) == 0)
                continue;
            const std::size_t hash = target.find('#');
            const std::string file = target.substr(0, hash);
            const fs::path resolved = file.empty() ? entry.path() : built / file;
            ASSERT_TRUE(fs::exists(resolved)) << entry.path().filename() << " links to missing " << target;
            if (hash != std::string::npos) {
                EXPECT_TRUE(hasAnchor(test::TempDir::contents(resolved.string()), target.substr(hash + 1)))
                    << entry.path().filename() << " links to missing anchor " << target;
            }
            pagesLinked.insert(resolved.filename().string());
            ++followed;
        }
    }
    EXPECT_GT(followed, 500u);
    EXPECT_TRUE(pagesLinked.count("guide-index.htm"));
    EXPECT_TRUE(pagesLinked.count("tutorial.htm"));
}

} // namespace
} // namespace torvane

#include "generate/IndexGenerator.h"
#include "model/CrossReference.h"
#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace torvane {
namespace {

void addEntry(EntryHolder& holder, std::string_view text)
{
    auto entry = std::make_unique<IndexEntry>();
    entry->setTexts(text, text, "Title", text);
    holder.addEntry(std::move(entry));
}

// Addresses are made per page and reused for its targets: each holder must
// still get its own, also when the walk moves on to another page.
TEST(IndexGeneratorCollect, EveryEntryLinksToItsOwnHolder)
{
    ProjectRootNode root;
    root.setProjectDirectory("/p/");
    SourceFile& one = root.findOrCreateFile("/p/a/one.htm");
    addEntry(one, "One page");
    addEntry(one.findOrCreateTarget("t1"), "One first");
    addEntry(one.findOrCreateTarget("t1"), "One first again");
    addEntry(one.findOrCreateTarget("t2"), "One second");
    addEntry(root.findOrCreateFile("/p/a/three.htm").findOrCreateTarget("t1"), "Three first");
    addEntry(root.findOrCreateFile("/p/b c/two.htm").findOrCreateTarget("t 1"), "Two spaced");
    addEntry(root.findOrCreateUrl("http://x.example/faq page"), "Questions");
    auto see = std::make_unique<CrossReference>();
    see->set("Setup", "setup", ".", "See", "One page", "one page", true);
    root.addCrossReference(std::move(see));

    IndexGenerator generator;
    generator.collect(root);
    generator.buildTree(IndexMode::Html);

    std::map<std::string, std::pair<std::string, std::uint32_t>> links;
    std::set<std::uint32_t> holders;
    for (const IndexGenerator::EntryCopy& copy : generator.entries()) {
        links[std::string(copy.indexAs())] = {std::string(copy.link.address()), copy.link.holderNumber()};
        holders.insert(copy.link.holderNumber());
    }
    const std::map<std::string, std::string> expected {{"One page", "a/one.htm"},
                                                       {"One first", "a/one.htm#t1"},
                                                       {"One first again", "a/one.htm#t1"},
                                                       {"One second", "a/one.htm#t2"},
                                                       {"Three first", "a/three.htm#t1"},
                                                       {"Two spaced", "b%20c/two.htm#t%201"},
                                                       {"Questions", "http://x.example/faq%20page"}};
    ASSERT_EQ(links.size(), expected.size());
    for (const auto& [text, address] : expected)
        EXPECT_EQ(links[text].first, address) << text;
    EXPECT_EQ(links["One first"].second, links["One first again"].second);
    EXPECT_EQ(holders.size(), 6u);
    EXPECT_EQ(generator.holderCount(), 6u);
    ASSERT_EQ(generator.crossReferences().size(), 1u);
    EXPECT_EQ(generator.crossReferences()[0].heading, "Setup");
}

// The index's own pages of an earlier run (a frame set and its navigation
// page are read like any page, "Index" and all) describe the index, not the documents.
TEST(IndexGeneratorCollect, TheIndexOwnPagesListedInTheProjectContributeNothing)
{
    ProjectRootNode root;
    root.setProjectDirectory("/p/");
    for (const char* page : {"/p/Book.htm", "/p/Book-nav.htm", "/p/Book-content.htm", "/p/Book-K.htm",
                             "/p/Book-Symbols.htm", "/p/sub/Book-nav.htm", "/p/guide.htm"}) {
        SourceFile& file = root.findOrCreateFile(page);
        addEntry(file, page);
        addEntry(file.findOrCreateTarget("A"), std::string(page) + "#A");
    }
    IndexGenerator generator;
    generator.setOutputNames({"Book.htm", "Book.hhk", "Book.xml", "Book.jhm"});
    generator.collect(root);
    generator.buildTree(IndexMode::Html);

    std::set<std::string> collected;
    for (const IndexGenerator::EntryCopy& copy : generator.entries())
        collected.emplace(copy.indexAs());
    EXPECT_EQ(collected, (std::set<std::string> {"/p/sub/Book-nav.htm", "/p/sub/Book-nav.htm#A", "/p/guide.htm",
                                                 "/p/guide.htm#A"}));
}

// Every byte of a page's name that a link would take as something else is
// encoded; an external URL keeps its own syntax.
TEST(IndexGeneratorCollect, AddressesEncodeWhatALinkNeeds)
{
    ProjectRootNode root;
    root.setProjectDirectory("/p/");
    addEntry(root.findOrCreateFile("/p/C#.htm"), "Sharp");
    addEntry(root.findOrCreateFile("/p/why?/100% \"sure\" <b>.htm").findOrCreateTarget("50% #1?"), "Sure");
    addEntry(root.findOrCreateFile("/p/caf\xc3\xa9.htm").findOrCreateTarget("\xc3\xa9t\xc3\xa9"), "Cafe");
    addEntry(root.findOrCreateUrl("http://x.example/a%20b?q=1#top"), "Web");

    IndexGenerator generator;
    generator.collect(root);
    generator.buildTree(IndexMode::Html);
    std::map<std::string, std::string> links;
    for (const IndexGenerator::EntryCopy& copy : generator.entries())
        links[std::string(copy.indexAs())] = std::string(copy.link.address());
    EXPECT_EQ(links,
              (std::map<std::string, std::string> {{"Sharp", "C%23.htm"},
                                                   {"Sure", "why%3F/100%25%20%22sure%22%20%3Cb%3E.htm#50%%20#1?"},
                                                   {"Cafe", "caf%C3%A9.htm#%C3%A9t%C3%A9"},
                                                   {"Web", "http://x.example/a%20b?q=1#top"}}));
}

// Link texts come straight from the project unless an escape must be
// resolved; HelpAs and the order are taken from it all the same.
TEST(IndexGeneratorCollect, LinkTextsAreResolvedOnlyWhereEscaped)
{
    ProjectRootNode root;
    root.setProjectDirectory("/p/");
    Target& target = root.findOrCreateFile("/p/page.htm").findOrCreateTarget("t");
    auto escaped = std::make_unique<IndexEntry>();
    escaped->setTexts("Beta", "Beta help", "Title \\\"x\\\"", "beta");
    escaped->setTargets("main\\\\frame", "win\\,1", "frame");
    target.addEntry(std::move(escaped));
    auto plain = std::make_unique<IndexEntry>();
    plain->setTexts("Alpha", "Alpha", "Plain title", "alpha");
    plain->setTargets("main", "", "");
    target.addEntry(std::move(plain));

    IndexGenerator generator;
    generator.collect(root);
    EXPECT_TRUE(generator.helpTextsDiffer());
    generator.buildTree(IndexMode::Html);
    ASSERT_EQ(generator.entries().size(), 2u);
    const IndexGenerator::EntryCopy& alpha = generator.entries()[0];
    const IndexGenerator::EntryCopy& beta = generator.entries()[1];
    EXPECT_EQ(alpha.indexAs(), "Alpha");
    EXPECT_EQ(alpha.link.helpTitle(), "Plain title");
    EXPECT_EQ(alpha.link.frameTarget(), "main");
    EXPECT_EQ(generator.sortKeyOf(1), "beta");
    EXPECT_EQ(beta.helpAs(), "Beta help");
    EXPECT_EQ(beta.link.helpTitle(), "Title \"x\"");
    EXPECT_EQ(beta.link.frameTarget(), "main\\frame");
    EXPECT_EQ(beta.link.helpWindow(), "win,1");
    EXPECT_EQ(beta.link.helpFrame(), "frame");
    EXPECT_EQ(alpha.link.address(), "page.htm#t");
    EXPECT_EQ(alpha.link.holderNumber(), beta.link.holderNumber());
}

// The copies do not hold their sort keys: a later sort reads them from the
// project's entries, which follow their copies into sort order.
TEST(IndexGeneratorCollect, ALaterSortFindsEachCopysKeyInTheProject)
{
    ProjectRootNode root;
    root.setProjectDirectory("/p/");
    SourceFile& page = root.findOrCreateFile("/p/page.htm");
    for (auto [text, sortAs] : {std::pair {"Apple", "M apple"}, {"Zebra", "A zebra"}, {"Kiwi", "Z kiwi"}}) {
        auto entry = std::make_unique<IndexEntry>();
        entry->setTexts(text, text, "Title", sortAs);
        page.findOrCreateTarget(text).addEntry(std::move(entry));
    }
    IndexGenerator generator;
    generator.collect(root);
    generator.buildTree(IndexMode::Html);
    auto shown = [&generator] {
        std::vector<std::string> texts;
        for (const IndexNode* node : generator.topLevelNodes())
            texts.emplace_back(node->text());
        return texts;
    };
    EXPECT_EQ(shown(), (std::vector<std::string> {"Zebra", "Apple", "Kiwi"}));
    generator.addEntry("N bee", "Bee", "Bee", "bee.htm", "", "Title", "", "");
    generator.buildTree(IndexMode::Help);
    EXPECT_EQ(shown(), (std::vector<std::string> {"Zebra", "Apple", "Bee", "Kiwi"}));
    ASSERT_EQ(generator.entries().size(), 4u);
    EXPECT_EQ(generator.sortKeyOf(0), "a zebra");
    EXPECT_EQ(generator.sortKeyOf(1), "m apple");
    EXPECT_EQ(generator.sortKeyOf(2), "n bee");
    EXPECT_EQ(generator.entries()[2].link.address(), "bee.htm");
    EXPECT_EQ(generator.sortKeyOf(3), "z kiwi");
}

} // namespace
} // namespace torvane

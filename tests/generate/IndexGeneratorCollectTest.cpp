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

    std::map<std::string, std::pair<std::string, std::uint32_t>> links;
    std::set<std::uint32_t> holders;
    for (const IndexGenerator::EntryCopy& copy : generator.entries()) {
        links[std::string(copy.indexAs)] = {std::string(copy.link.address), copy.link.holderNumber};
        holders.insert(copy.link.holderNumber);
    }
    const std::map<std::string, std::string> expected{
        {"One page", "a/one.htm"},          {"One first", "a/one.htm#t1"},
        {"One first again", "a/one.htm#t1"}, {"One second", "a/one.htm#t2"},
        {"Three first", "a/three.htm#t1"},  {"Two spaced", "b%20c/two.htm#t%201"},
        {"Questions", "http://x.example/faq%20page"}};
    ASSERT_EQ(links.size(), expected.size());
    for (const auto& [text, address] : expected) EXPECT_EQ(links[text].first, address) << text;
    EXPECT_EQ(links["One first"].second, links["One first again"].second);
    EXPECT_EQ(holders.size(), 6u);
    EXPECT_EQ(generator.holderCount(), 6u);
    ASSERT_EQ(generator.crossReferences().size(), 1u);
    EXPECT_EQ(generator.crossReferences()[0].heading, "Setup");
}

} // namespace
} // namespace torvane

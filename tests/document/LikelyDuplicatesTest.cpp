#include "support/DocumentTestApp.h"
#include "document/IndexCheck.h"
#include "document/LevelSpellings.h"
#include "support/FixtureProject.h"
#include <gtest/gtest.h>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace torvane {
namespace {

using test::pageText;
using test::storedEntry;

// One labelled pair of the sample: two spellings at one level, with the
// anchor each is on, and whether they are one thing spelled two ways.
struct SamplePair {
    std::string parent, first, firstAnchor, second, secondAnchor;
    bool variant = false;
};

std::vector<SamplePair> readSample()
{
    std::ifstream in(std::string(TORVANE_SOURCE_DIR) + "/tests/document/likely-duplicates-python-3.11.tsv");
    std::vector<SamplePair> pairs;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> fields(1);
        for (char c : line) {
            if (c == '\t')
                fields.emplace_back();
            else
                fields.back() += c;
        }
        if (fields.size() == 6)
            pairs.push_back({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5] == "variant"});
    }
    return pairs;
}

// A level as an entry text stores it.
std::string stored(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        if (c == ',' || c == '"' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// The two spellings a likely-duplicate finding names, in stored form.
std::pair<std::string, std::string> spellingsOf(const IndexFinding& finding)
{
    const std::string& message = finding.message;
    const std::size_t middle = message.find("\" and \"");
    const std::size_t end = message.find("\" differ only in ");
    return {message.substr(1, middle - 1), message.substr(middle + 7, end - middle - 7)};
}

TEST(LikelyDuplicates, SpellingsDifferInOneRespectAndNamesOnlyInBlanks)
{
    auto same = [](std::string_view a, std::string_view b, std::string_view anchor = "") {
        const std::string key = spellingKey(a, anchor);
        return !key.empty() && key == spellingKey(b, anchor) ? spellingDifference(key, a, b) : SpellingDifference::None;
    };
    EXPECT_EQ(same("Codecs", "codecs"), SpellingDifference::LetterCase);
    EXPECT_EQ(same("byte-code", "bytecode"), SpellingDifference::Punctuation);
    EXPECT_EQ(same("e-mail address", "email address"), SpellingDifference::Punctuation);
    EXPECT_EQ(same("docstring", "docstrings"), SpellingDifference::PluralEnding);
    EXPECT_EQ(same("class", "classes"), SpellingDifference::PluralEnding);
    EXPECT_EQ(same("Error", "errors"), SpellingDifference::None);
    EXPECT_EQ(same("__import__ ()", "__import__()"), SpellingDifference::Blanks);
    for (auto [a, b] : {std::pair {"-B", "-b"},
                        {"concat()", "__concat__()"},
                        {"all()", "__all__"},
                        {"abs()", "abs"},
                        {"\\b", "-b"},
                        {"b'", "-b"},
                        {"Py_IncRef", "Py_INCREF"},
                        {"DISPLAY", "display"},
                        {"BadZipfile", "BadZipFile"},
                        {"os.path", "ospath"},
                        {"a", "A"}})
        EXPECT_EQ(same(a, b), SpellingDifference::None) << a << " " << b;
    // Named by its anchor, as documentation generators name them: a name.
    EXPECT_EQ(same("Error", "error", "binascii.Error"), SpellingDifference::None);
    EXPECT_EQ(same("Error", "error", "index-4"), SpellingDifference::LetterCase);
}

// The sample is every pair the first rule or this one reports on the
// general index of the Python 3.11 manual, labelled by hand: "variant" for
// one thing spelled two ways, "distinct" for two things sharing letters.
TEST(LikelyDuplicates, AtLeastFourInFiveReportedOnTheLabelledSampleAreRealVariants)
{
    const std::vector<SamplePair> sample = readSample();
    ASSERT_GT(sample.size(), 200u);
    std::map<std::string, std::vector<std::string>> entriesAt;
    std::set<std::string> anchors;
    std::map<std::set<std::string>, bool> labels;
    for (const SamplePair& pair : sample) {
        const std::string parent = pair.parent.empty() ? "" : stored(pair.parent) + ", ";
        entriesAt[pair.firstAnchor].push_back(parent + stored(pair.first));
        entriesAt[pair.secondAnchor].push_back(parent + stored(pair.second));
        for (const std::string& anchor : {pair.firstAnchor, pair.secondAnchor}) {
            if (!anchor.empty())
                anchors.insert(anchor);
        }
        labels[{stored(pair.first), stored(pair.second)}] = pair.variant;
    }
    std::string block;
    for (const auto& [anchor, entries] : entriesAt) {
        block += "    Target=\"" + (anchor.empty() ? std::string("#") : anchor) + "\"\r\n";
        for (const std::string& entry : std::set<std::string>(entries.begin(), entries.end()))
            block += storedEntry(entry, entry);
    }
    test::FixtureProject fixture;
    fixture.write("sample.htm", pageText("Sample", {anchors.begin(), anchors.end()}, block));
    fixture.writeProject({"sample.htm"});
    test::DocumentTestApp app;
    CProjectDoc document(app.services);
    ASSERT_TRUE(document.openProject(fixture.projectFile()));

    std::size_t reported = 0, variants = 0;
    for (const IndexFinding& finding : checkIndex(document).findings) {
        if (finding.kind != finding::kLikelyDuplicate)
            continue;
        ++reported;
        const auto [a, b] = spellingsOf(finding);
        const auto label = labels.find({a, b});
        EXPECT_NE(label, labels.end()) << "not in the sample: " << a << " / " << b;
        variants += label != labels.end() && label->second ? 1 : 0;
    }
    std::cout << "likely-duplicate on the sample: " << reported << " reported, " << variants << " real variants\n";
    ASSERT_GT(reported, 30u);
    EXPECT_GE(variants * 5, reported * 4);
}

} // namespace
} // namespace torvane

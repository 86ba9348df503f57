#pragma once
#include "generate/HtmlIndexWriter.h"
#include "generate/IndexGenerator.h"
#include "generate/ModernIndexWriter.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace torvane::testing {

class RecordingSink : public MessageSink {
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view, bool unattendedAnswer) override { return unattendedAnswer; }
    std::vector<std::string> messages;
};

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A project folder of its own for each test, with an index made from the
// entries and cross-references the test adds.
class HtmlIndexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("torvane-html-" + std::string(info->name()) + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void entry(std::string_view sortAs, std::string_view indexAs, std::string_view url, std::string_view target = "")
    {
        generator.addEntry(sortAs, indexAs, indexAs, url, target, "", "", "");
    }
    // An entry whose page has a title, as the help outputs and page labels use it.
    void titled(std::string_view sortAs, std::string_view indexAs, std::string_view url, std::string_view title)
    {
        generator.addEntry(sortAs, indexAs, indexAs, url, "", title, "", "");
    }
    // A cross-reference sorted by its own texts.
    void see(std::string_view heading, std::string_view separator, std::string_view reference, std::string_view locator,
             bool link = true)
    {
        generator.addCrossReference(heading, heading, separator, reference, locator, locator, link);
    }
    // Entries under A, D and F: two links on one heading and a heading with two subentries.
    void addLettersADF()
    {
        entry("apple", "Apple", "a.htm");
        entry("apple", "Apple", "b.htm#x");
        entry("dog", "Dog", "d.htm");
        entry("fruit apples", "Fruit, Apples", "f.htm#ap");
        entry("fruit pears", "Fruit, Pears", "f.htm#pe");
    }

    bool make(std::string indexName = "Index.htm")
    {
        generator.setProjectDirectory(dir.string());
        generator.setOutputNames({indexName, "Index.hhk", "Index.xml", "Index.jhm"});
        generator.setStyle(style);
        generator.numberCrossReferenceAnchors();
        generator.buildTree(IndexMode::Html);
        return style.extensions.indexLayout == 1 ? writeModernHtmlIndex(generator, messages)
                                                 : writeHtmlIndex(generator, messages);
    }

    std::set<std::string> writtenFiles() const
    {
        std::set<std::string> names;
        for (const auto& item : std::filesystem::directory_iterator(dir))
            if (item.is_regular_file() && !inputs.count(item.path().filename().string()))
                names.insert(item.path().filename().string());
        return names;
    }

    // Compares every written file with its expected text in data/html/<name>,
    // where the lines are kept with LF ends; the written files end them CR LF.
    void expectFilesOf(const std::string& name) const
    {
        const std::filesystem::path expectedDir =
            std::filesystem::path(TORVANE_SOURCE_DIR) / "tests/generate/data/html" / name;
        std::set<std::string> expectedNames;
        for (const auto& item : std::filesystem::directory_iterator(expectedDir)) {
            const std::string file = item.path().filename().string();
            expectedNames.insert(file);
            const std::string expected = readBytes(item.path());
            ASSERT_EQ(expected.find('\r'), std::string::npos) << file;
            std::string crlf;
            for (char c : expected) {
                if (c == '\n')
                    crlf += '\r';
                crlf += c;
            }
            EXPECT_EQ(readBytes(dir / file), crlf) << name << "/" << file;
        }
        EXPECT_EQ(writtenFiles(), expectedNames) << name;
    }

    std::filesystem::path dir;
    std::set<std::string> inputs; // files the test put into the project folder
    StyleSettings style;
    IndexGenerator generator;
    RecordingSink messages;
};

} // namespace torvane::testing

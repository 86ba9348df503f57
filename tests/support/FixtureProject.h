#pragma once
#include "support/TempDir.h"
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace torvane::test {

// One stored entry of a page's index comment block, in its stored form.
inline std::string storedEntry(std::string_view indexAs, std::string_view sortAs, std::string_view indexTarget = "")
{
    return "        IndexAs=\"" + std::string(indexAs) + "\",SortAs=\"" + std::string(sortAs) + "\",HelpAs=\"" +
           std::string(indexAs) + "\",HelpTitle=\"Untitled\",IndexTarget=\"" + std::string(indexTarget) +
           "\",HelpWindow=\"\",HelpFrame=\"\"\r\n";
}

// A page with a title, a heading, the named anchors and, when `block` is
// not empty, an index comment block holding it ("    Target=..." lines and
// stored entries).
inline std::string pageText(std::string_view heading, const std::vector<std::string>& anchors = {},
                            std::string_view block = "")
{
    std::string text = "<html><head><title>" + std::string(heading) + "</title>\r\n";
    if (!block.empty())
        text += "<!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n" + std::string(block) +
                "  HTML Torvane -->\r\n";
    text += "</head><body><h1>" + std::string(heading) + "</h1>\r\n";
    for (const std::string& anchor : anchors)
        text += "<p><a name=\"" + anchor + "\">" + anchor + " text</a></p>\r\n";
    return text + "</body></html>\r\n";
}

// A project on disk, built by the test in a temporary folder that is
// removed at the end: pages, then the project file listing them.
class FixtureProject {
public:
    FixtureProject() = default;
    FixtureProject(const FixtureProject&) = delete;
    FixtureProject& operator=(const FixtureProject&) = delete;

    // Ends in "/".
    const std::string& folder() const { return dir_.path(); }
    std::string path(std::string_view relative) const { return dir_.file(relative); }
    std::string projectFile() const { return path("Fixture.ipj"); }

    // Writes a file below the folder ("/" separated), creating its folders.
    void write(std::string_view relative, std::string_view content) const
    {
        const std::filesystem::path target = path(relative);
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << content;
    }
    std::string read(std::string_view relative) const
    {
        std::ifstream in(path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The project file listing `files` (stored form, "\\" separators), with
    // the given lines of "[External URLs]" and "[Xrefs]".
    void writeProject(const std::vector<std::string>& files, std::string_view urls = "", std::string_view xrefs = "",
                      std::string_view indexName = "Fixture.htm") const
    {
        std::string text = "HTML Torvane, Version 4.0\r\n\r\n[Local Files]\r\nIndex=" + std::string(indexName) +
                           "\r\nHtml Help=Fixture.hhk\r\nJava Help=Fixture.xml\r\nJava Map=Fixture.jhm\r\n";
        for (const std::string& file : files)
            text += "File=" + file + "\r\n";
        text += "\r\n[External URLs]\r\n" + std::string(urls) + "\r\n[Xrefs]\r\n" + std::string(xrefs) + "\r\n";
        write("Fixture.ipj", text);
    }

private:
    TempDir dir_;
};

} // namespace torvane::test

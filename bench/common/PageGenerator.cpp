#include "PageGenerator.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace torvane::bench {

namespace {

// splitmix64: small, fast and the same on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : state_(seed)
    {
    }
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }
    bool chance(unsigned percent) { return below(100) < percent; }

private:
    std::uint64_t state_;
};

constexpr std::array<std::string_view, 24> words {"index",   "entry",   "target",  "anchor",  "project", "heading",
                                                  "letter",  "group",   "column",  "browser", "window",  "frame",
                                                  "keyword", "sort",    "page",    "section", "folder",  "file",
                                                  "link",    "locator", "comment", "title",   "style",   "output"};

class PageWriter {
public:
    PageWriter(const PageOptions& options)
        : random_(options.seed)
        , eol_(options.crlf ? "\r\n" : "\n")
    {
    }

    std::string write(const PageOptions& options)
    {
        const auto sections = static_cast<std::size_t>(20 * options.scale + 0.5);
        std::vector<std::string> anchorNames;
        if (random_.chance(80))
            line("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
        line("<HTML>");
        line("<Head>");
        line("<TITLE>" + phrase(4) + "</TITLE>");
        line("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
        const std::size_t blockAt = page_.size();
        line("</head>");
        line("<body>");
        line("<!-- generated page <!-- with a nested note --> still a comment -->");
        line("<h1><a name=\"top\">" + phrase(3) + "</a></h1>");
        for (std::size_t s = 0; s < sections; ++s)
            section(s, anchorNames);
        line("<comment>an old comment element <a name=\"hidden\">hidden</a></comment>");
        line("<p><a href=\"#top\">Back to top</a></p>");
        line("</body>");
        line("</html>");
        if (options.withIndexBlock)
            page_.insert(blockAt, indexBlock(anchorNames));
        return std::move(page_);
    }

private:
    void line(const std::string& text) { page_.append(text).append(eol_); }

    std::string phrase(std::size_t count)
    {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) {
            if (i)
                text.push_back(' ');
            text.append(words[random_.below(words.size())]);
        }
        return text;
    }

    void section(std::size_t number, std::vector<std::string>& anchorNames)
    {
        const std::string level = std::to_string(2 + random_.below(3));
        line("<H" + level + "><A NAME=\"sec" + std::to_string(number) + "\">" + phrase(3) + "</A></H" + level + ">");
        anchorNames.push_back("sec" + std::to_string(number));
        for (int p = 0; p < 12; ++p) {
            std::string paragraph = "<p>" + phrase(12);
            const std::string name = "s" + std::to_string(number) + "p" + std::to_string(p);
            if (random_.chance(60)) {
                paragraph += " <a name=\"" + name + "\">" + phrase(2) + "</a>";
                anchorNames.push_back(name);
            } else if (random_.chance(75)) {
                paragraph += " <a id=\"" + name + "\" class=\"x\">" + phrase(2) + eol_ + phrase(1) + "</a>";
                anchorNames.push_back(name);
            }
            paragraph += " <a href=\"other.htm#" + name + "\">" + phrase(2) + "</a> " + phrase(20);
            if (random_.chance(10))
                paragraph += " <!-- note: " + phrase(5) + " -->";
            line(paragraph + "</p>");
        }
    }

    std::string indexBlock(const std::vector<std::string>& anchorNames)
    {
        std::string block = "  <Meta Name=\"IndexGenerator\" Content=\"HTML Torvane\"><Meta Name=\"Keywords\" "
                            "Content=\"" +
                            std::string(words[0]) + "\">" + eol_;
        block += "  <!-- HTML Torvane V4.0 - Do not edit this comment block.\r\n";
        block += "    Target=\"#\"\r\n";
        block += entryLine(std::string(words[0]));
        for (std::size_t i = 0; i < anchorNames.size(); i += 4) {
            block += "    Target=\"" + anchorNames[i] + "\"\r\n";
            block += entryLine(phrase(2));
        }
        block += "  HTML Torvane -->" + eol_;
        return block;
    }

    static std::string entryLine(const std::string& text)
    {
        return "        IndexAs=\"" + text + "\",SortAs=\"" + text +
               "\",HelpAs=\"\",HelpTitle=\"\","
               "IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"\r\n";
    }

    Random random_;
    std::string eol_;
    std::string page_;
};

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

std::string generatePage(const PageOptions& options)
{
    return PageWriter(options).write(options);
}

std::vector<GeneratedPage> writePageTree(const std::filesystem::path& root, std::size_t count, std::uint64_t seed,
                                         double scale)
{
    constexpr std::size_t pagesPerFolder = 40;
    constexpr std::size_t foldersPerSection = 10;
    std::vector<GeneratedPage> pages;
    pages.reserve(count);
    Random random(seed);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t folder = i / pagesPerFolder;
        char section[32];
        char subfolder[32];
        char name[32];
        std::snprintf(section, sizeof section, "sec%02zu", folder / foldersPerSection);
        std::snprintf(subfolder, sizeof subfolder, "sub%02zu", folder % foldersPerSection);
        std::snprintf(name, sizeof name, "page%05zu.htm", i);
        const std::filesystem::path directory = root / section / subfolder;
        std::filesystem::create_directories(directory);

        PageOptions options;
        options.seed = random.next();
        options.scale = scale * (0.5 + static_cast<double>(random.below(101)) / 100.0);
        options.crlf = random.chance(70);
        options.withIndexBlock = random.chance(60);
        GeneratedPage page {std::string(section) + "\\" + subfolder + "\\" + name, directory / name};
        writeFile(page.fullPath, generatePage(options));
        pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace torvane::bench

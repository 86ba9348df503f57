#include "HtmlIndexFixture.h"
#include "generate/EpubIndexWriter.h"
#include "generate/IndexPageNames.h"
#include "generate/OwnOutputs.h"
#include "generate/XhtmlText.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <regex>

namespace torvane {
namespace {

using testing::HtmlIndexTest;
using testing::readBytes;
using testing::writeBytes;

// A chapter of the example manual as an XHTML content document.
std::string chapter(std::string_view title, std::string_view anchors)
{
    std::string page = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
                       "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head><title>";
    page += title;
    page += "</title></head>\n<body>\n<h1>";
    page += title;
    page += "</h1>\n";
    for (std::size_t start = 0; start < anchors.size();) {
        const std::size_t end = std::min(anchors.find(' ', start), anchors.size());
        page += "<h2 id=\"" + std::string(anchors.substr(start, end - start)) + "\">Section</h2>\n<p>Text.</p>\n";
        start = end + 1;
    }
    return page + "</body>\n</html>\n";
}

class EpubIndexTest : public HtmlIndexTest {
protected:
    // Entries of the example manual, with the markup, references and
    // Windows-1252 bytes that pages hold in the wild.
    void addManualEntries()
    {
        titled("installing", "Installing", "install.xhtml", "Installing Torvane");
        titled("installing linux", "Installing, on Linux", "install.xhtml#linux", "Untitled");
        titled("installing windows", "Installing, on Windows", "install.xhtml#windows", "Untitled");
        titled("entries", "<b>Entries</b>", "entries.xhtml", "Index entries");
        titled("entries", "<b>Entries</b>", "entries.xhtml#edit", "Editing &amp; deleting");
        titled("cafe", "Caf&eacute; &nbsp;menu &copy; &#8212; &unknown; \x93quoted\x94", "entries.xhtml#edit", "");
        titled("3d", "3-D views & <i>charts</i>", "views.xhtml", "Views");
        titled("style", "Style sheets", "https://example.com/css", "CSS & more");
        generator.addCrossReference("Setup", "setup", ".", "See", "Installing", "installing", true);
        generator.addCrossReference("Keywords", "keywords", ".", "<i>See also</i>", "<b>Entries</b>", "entries", true);
        see("Glossary", ".", "See", "a printed glossary", false);
    }

    std::string makeEpubIndex()
    {
        generator.setProjectDirectory(dir.string());
        generator.setOutputNames({"Manual.htm", "Manual.hhk", "Manual.xml", "Manual.jhm"});
        generator.setStyle(style);
        generator.numberCrossReferenceAnchors();
        generator.buildTree(IndexMode::Html);
        EXPECT_TRUE(writeEpubIndex(generator, messages));
        return readBytes(dir / "Manual-epub.xhtml");
    }

    // The pages, the index, a navigation document and a package document,
    // zipped as a reading system expects them: the mimetype first, stored.
    std::filesystem::path packBook()
    {
        writeBytes(dir / "install.xhtml", chapter("Installing", "linux windows"));
        writeBytes(dir / "entries.xhtml", chapter("Entries", "edit"));
        writeBytes(dir / "views.xhtml", chapter("Views", ""));
        writeBytes(dir / "nav.xhtml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
                   "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\">\n"
                   "<head><title>Contents</title></head>\n<body>\n<nav epub:type=\"toc\"><ol>\n"
                   "<li><a href=\"install.xhtml\">Installing</a></li>\n"
                   "<li><a href=\"entries.xhtml\">Entries</a></li>\n<li><a href=\"views.xhtml\">Views</a></li>\n"
                   "<li><a href=\"Manual-epub.xhtml\">Index</a></li>\n</ol></nav>\n</body>\n</html>\n");
        writeBytes(dir / "package.opf",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" unique-identifier=\"id\">\n"
                   "<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                   "<dc:identifier id=\"id\">urn:uuid:6c0a8f4e-4b1e-4e0c-9a37-2f4d3c6e8a11</dc:identifier>\n"
                   "<dc:title>Manual</dc:title>\n<dc:language>en</dc:language>\n"
                   "<meta property=\"dcterms:modified\">2026-01-01T00:00:00Z</meta>\n</metadata>\n<manifest>\n"
                   "<item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" properties=\"nav\"/>\n"
                   "<item id=\"install\" href=\"install.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
                   "<item id=\"entries\" href=\"entries.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
                   "<item id=\"views\" href=\"views.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
                   "<item id=\"index\" href=\"Manual-epub.xhtml\" media-type=\"application/xhtml+xml\"/>\n"
                   "</manifest>\n<spine>\n<itemref idref=\"install\"/>\n<itemref idref=\"entries\"/>\n"
                   "<itemref idref=\"views\"/>\n<itemref idref=\"index\"/>\n</spine>\n</package>\n");
        std::filesystem::create_directories(dir / "META-INF");
        writeBytes(dir / "META-INF/container.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n"
                   "<rootfiles><rootfile full-path=\"package.opf\" media-type=\"application/oebps-package+xml\"/>"
                   "</rootfiles>\n</container>\n");
        writeBytes(dir / "mimetype", "application/epub+zip");
        const std::string command = "cd '" + dir.string() +
                                    "' && zip -X0q book.epub mimetype && zip -X9q book.epub META-INF/container.xml "
                                    "package.opf nav.xhtml install.xhtml entries.xhtml views.xhtml Manual-epub.xhtml";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return dir / "book.epub";
    }

    // Runs a command, its output kept; the exit status.
    int run(const std::string& command, std::string& output) const
    {
        const auto report = dir / "report.txt";
        const int status = std::system((command + " > '" + report.string() + "' 2>&1").c_str());
        output = readBytes(report);
        return status;
    }
};

bool haveTool(const char* name)
{
    return std::system((std::string("command -v ") + name + " > /dev/null 2>&1").c_str()) == 0;
}

// The Debian package installs epubcheck as a jar, which not every system runs directly.
constexpr const char* kEpubcheckJar = "/usr/share/java/epubcheck.jar";

TEST_F(EpubIndexTest, ABookWithTheIndexPassesEpubcheckWithoutWarnings)
{
    if (!std::filesystem::exists(kEpubcheckJar) || !haveTool("java") || !haveTool("zip"))
        GTEST_SKIP() << "epubcheck, java or zip is not installed";
    addManualEntries();
    makeEpubIndex();
    const std::filesystem::path book = packBook();
    std::string report;
    EXPECT_EQ(run(std::string("java -jar ") + kEpubcheckJar + " '" + book.string() + "'", report), 0) << report;
    EXPECT_NE(report.find("No errors or warnings detected"), std::string::npos) << report;
}

TEST_F(EpubIndexTest, DocumentIsWellFormedInTheIndexVocabularyAndEveryLinkResolves)
{
    addManualEntries();
    const std::string page = makeEpubIndex();
    writeBytes(dir / "install.xhtml", "");
    writeBytes(dir / "entries.xhtml", "");
    writeBytes(dir / "views.xhtml", "");
    if (haveTool("xmllint")) {
        std::string lint;
        EXPECT_EQ(run("xmllint --noout '" + (dir / "Manual-epub.xhtml").string() + "'", lint), 0) << lint;
    }
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), std::count(page.begin(), page.end(), '\r'));
    EXPECT_TRUE(looksLikeOwnOutput(page));
    for (const char* part : {
             "<section epub:type=\"index\" role=\"doc-index\">",
             "<section epub:type=\"index-group\">\r\n    <h2>Numbers</h2>",
             // Subentries nest in a list of their own; a heading names every page it leads to.
             "<li epub:type=\"index-entry\"><span epub:type=\"index-term\">Installing</span>, <a "
             "epub:type=\"index-locator\" href=\"install.xhtml\">Installing Torvane</a>\r\n"
             "        <ul epub:type=\"index-entry-list\">\r\n"
             "          <li epub:type=\"index-entry\"><span epub:type=\"index-term\">on Linux</span>, <a "
             "epub:type=\"index-locator\" href=\"install.xhtml#linux\">install.xhtml#linux</a></li>",
             "<span epub:type=\"index-term\">Entries</span>, <a epub:type=\"index-locator\" "
             "href=\"entries.xhtml\">Index entries</a>, <a epub:type=\"index-locator\" "
             "href=\"entries.xhtml#edit\">Editing &amp; deleting</a>",
             "<span epub:type=\"index-term\">Keywords</span>. See also <a epub:type=\"index-xref-related\" "
             "href=\"#TVXR",
             "<span epub:type=\"index-term\">Setup</span>. See <a epub:type=\"index-xref-preferred\" href=\"#TVXR",
             "See <span epub:type=\"index-xref-preferred\">a printed glossary</span>",
             "href=\"https://example.com/css\">CSS &amp; more</a>",
             "3-D views &amp; charts",
             "Caf\xC3\xA9 \xC2\xA0menu \xC2\xA9 \xE2\x80\x94 &amp;unknown; \xE2\x80\x9Cquoted\xE2\x80\x9D",
         })
        EXPECT_NE(page.find(part), std::string::npos) << part << "\n" << page;

    std::set<std::string> ids;
    const std::regex idPattern(" id=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), idPattern); it != std::sregex_iterator(); ++it)
        ids.insert((*it)[1]);
    const std::regex hrefPattern(" href=\"([^\"]*)\"");
    int links = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), hrefPattern); it != std::sregex_iterator(); ++it) {
        const std::string href = (*it)[1];
        ++links;
        if (href.rfind("https:", 0) == 0)
            continue;
        if (href[0] == '#')
            EXPECT_TRUE(ids.count(href.substr(1))) << href;
        else
            EXPECT_TRUE(std::filesystem::exists(dir / href.substr(0, href.find('#')))) << href;
    }
    EXPECT_EQ(links, 10);
}

TEST_F(EpubIndexTest, AnEmptyIndexIsAValidDocumentAndAFailedWriteIsTold)
{
    EXPECT_NE(makeEpubIndex().find("<h1>Index</h1>\r\n</section>"), std::string::npos);
    generator.setProjectDirectory((dir / "missing").string());
    EXPECT_FALSE(writeEpubIndex(generator, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Error creating new EPUB index:\n  ", 0), 0u);
}

TEST(EpubIndexName, FollowsTheHtmlIndexAndMatchesNoneOfItsPages)
{
    EXPECT_EQ(epubIndexFileName("Manual.htm"), "Manual-epub.xhtml");
    EXPECT_EQ(epubIndexFileName("sub/Index"), "Index-epub.xhtml");
    for (const char* index : {"Manual.xhtml", "Manual-epub.xhtml", "x.y.htm"}) {
        const IndexNameParts parts = splitIndexName(index);
        for (const std::string& page : htmlIndexFileNames(parts.base, parts.extension))
            EXPECT_NE(page, epubIndexFileName(index)) << index;
    }
}

TEST(XhtmlText, MarkupAndReferencesBecomeCharacterDataAnXmlReaderTakes)
{
    EXPECT_EQ(xhtmlText("<B>Bold</B> a<b &lt; &#x41;&#66; &apos;"), "Bold a&lt;b &lt; AB &apos;");
    EXPECT_EQ(xhtmlText("&#0; &#xD800; &#99999999; &;"), "&amp;#0;  &amp;#99999999; &amp;;");
    EXPECT_EQ(xhtmlText("\x01tab\tkept \"q\""), "tab\tkept &quot;q&quot;");
    // Valid UTF-8 passes as it is, stray bytes are Windows-1252, overlong forms are not UTF-8.
    EXPECT_EQ(xhtmlText("\xC3\xA9 \xE9 \x80 \xC0\xAF"), "\xC3\xA9 \xC3\xA9 \xE2\x82\xAC \xC3\x80\xC2\xAF");
    EXPECT_EQ(xhtmlText("&hellip;&mdash;&yuml;&nbsp"), "\xE2\x80\xA6\xE2\x80\x94\xC3\xBF&amp;nbsp");
}

} // namespace
} // namespace torvane

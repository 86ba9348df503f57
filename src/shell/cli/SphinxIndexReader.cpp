#include "shell/cli/IndexReaders.h"
#include "shell/cli/MarkupTags.h"
#include "shell/cli/MarkupText.h"
#include <algorithm>

namespace torvane {

namespace {

// One term of the index as the page shows it: its name as HTML, and its links.
struct SphinxTerm {
    std::string name;
    std::vector<std::string> links;
    std::size_t line = 0;
    bool nameDone = false;
};

class SphinxImport {
public:
    SphinxImport(const std::string& file, const std::string& projectDirectory, ImportedIndex& index)
        : file_(file)
        , folder_(folderOf(file))
        , projectDirectory_(projectDirectory)
        , index_(index)
    {
    }

    // The terms are list items of the index tables, subterms one list deeper.
    std::size_t read(std::string_view html)
    {
        const LineNumbers lines(html);
        MarkupTag tag;
        int listDepth = 0;
        bool inTable = false;
        std::size_t textStart = 0;
        std::size_t linkTextStart = std::string::npos;
        for (std::size_t at = 0; nextTag(html, at, tag); at = tag.end) {
            if (tag.name == "table" && !tag.closing) {
                const std::string* classes = tag.attribute("class");
                inTable = classes && classes->find("indextable") != std::string::npos;
            } else if (!inTable) {
                continue;
            } else if (tag.name == "table") {
                inTable = false;
            } else if (tag.name == "ul" && !tag.closing) {
                finishName(html.substr(textStart, tag.start - textStart));
                ++listDepth;
            } else if (tag.name == "ul") {
                --listDepth;
            } else if (tag.name == "li" && !tag.closing && listDepth >= 1 && listDepth <= 2) {
                terms_.resize(static_cast<std::size_t>(listDepth));
                terms_.back() = SphinxTerm {};
                terms_.back().line = lines.lineOf(tag.start);
                textStart = tag.end;
            } else if (tag.name == "li") {
                finishName(html.substr(textStart, tag.start - textStart));
                terms_.resize(std::min(terms_.size(), static_cast<std::size_t>(std::max(listDepth, 0))));
                if (!terms_.empty() && terms_.size() == static_cast<std::size_t>(listDepth))
                    finishTerm();
            } else if (tag.name == "a" && !tag.closing && !terms_.empty()) {
                if (const std::string* href = tag.attribute("href"))
                    terms_.back().links.push_back(*href);
                if (!terms_.back().nameDone)
                    linkTextStart = tag.end;
            } else if (tag.name == "a" && linkTextStart != std::string::npos) {
                terms_.back().name = std::string(html.substr(linkTextStart, tag.start - linkTextStart));
                terms_.back().nameDone = true;
                linkTextStart = std::string::npos;
            }
        }
        return found_;
    }

private:
    // A term without links is named by the text of its item.
    void finishName(std::string_view text)
    {
        if (terms_.empty() || terms_.back().nameDone)
            return;
        terms_.back().name = trimmed(text);
        terms_.back().nameDone = true;
    }

    static std::string trimmed(std::string_view text)
    {
        const std::size_t start = text.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos)
            return {};
        return std::string(text.substr(start, text.find_last_not_of(" \t\r\n") - start + 1));
    }

    // A link's marks ("<strong>" for a main one) are not part of the name.
    static std::string nameHtml(const std::string& name)
    {
        std::string html = name;
        for (const char* mark : {"<strong>", "</strong>"})
            for (std::size_t at; (at = html.find(mark)) != std::string::npos;)
                html.erase(at, std::string_view(mark).size());
        return trimmed(html);
    }

    void finishTerm()
    {
        const SphinxTerm& term = terms_.back();
        const std::string name = nameHtml(term.name);
        if (terms_.size() == 2 && term.links.empty()) {
            addCrossReference(name, term.line);
            return;
        }
        std::string indexAs, sortAs;
        for (const SphinxTerm& level : terms_) {
            const std::string levelName = nameHtml(level.name);
            indexAs += (indexAs.empty() ? "" : ", ") + storedLevel(levelName, true);
            sortAs += (sortAs.empty() ? "" : ", ") + storedLevel(plainTextOf(levelName), true);
        }
        for (const std::string& link : term.links) {
            IndexEntryValues values {indexAs, sortAs, indexAs, storedLevel(name, false), "", "", ""};
            index_.entries.push_back({projectTarget(link, folder_, projectDirectory_), values, {file_, term.line}});
            ++found_;
        }
    }

    // "see X" and "see also X" under a term are its cross-references.
    void addCrossReference(const std::string& name, std::size_t line)
    {
        const std::string text = plainTextOf(name);
        const bool also = text.starts_with("see also ");
        if (!also && !text.starts_with("see "))
            return;
        const std::string heading = storedLevel(plainTextOf(nameHtml(terms_.front().name)), true);
        const std::string locator = storedLevel(text.substr(also ? 9 : 4), false);
        index_.crossReferences.push_back(
            {{heading, heading, ".", also ? "<i>See also</i>" : "<i>See</i>", locator, locator, true}, {file_, line}});
        ++found_;
    }

    const std::string& file_;
    std::string folder_;
    const std::string& projectDirectory_;
    ImportedIndex& index_;
    std::vector<SphinxTerm> terms_;
    std::size_t found_ = 0;
};

} // namespace

std::string readSphinxIndex(std::string_view text, const std::string& file, const std::string& projectDirectory,
                            ImportedIndex& index)
{
    if (SphinxImport(file, projectDirectory, index).read(text) == 0)
        return "holds no index entry (no list in a table of class \"indextable\")";
    return {};
}

} // namespace torvane

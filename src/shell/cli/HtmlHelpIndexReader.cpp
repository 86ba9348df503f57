#include "shell/cli/IndexReaders.h"
#include "shell/cli/MarkupTags.h"
#include "shell/cli/MarkupText.h"
#include <algorithm>
#include <set>

namespace torvane {

namespace {

struct Topic {
    std::string title;
    std::string local;
    std::string frame;
    std::string window;
};

// One keyword object and the keywords of the list that follows it.
struct Keyword {
    std::string name;
    std::vector<Topic> topics;
    std::vector<std::string> seeAlso;
    std::vector<Keyword> children;
    std::size_t line = 0;
};

// The keyword objects of the file, nested as their lists are.
std::vector<Keyword> readKeywords(std::string_view text, const LineNumbers& lines)
{
    std::vector<Keyword> top;
    // The lists open around the object being read; the last keyword of each holds the next.
    std::vector<std::vector<Keyword>*> open {&top};
    Keyword* current = nullptr;
    Keyword object;
    int depth = 0;
    MarkupTag tag;
    for (std::size_t at = 0; nextTag(text, at, tag); at = tag.end) {
        if (tag.name == "ul" && !tag.closing) {
            ++depth;
            std::vector<Keyword>* list = open.back();
            if (depth > 1 && !list->empty())
                open.push_back(&list->back().children);
            else if (depth > 1)
                open.push_back(list);
        } else if (tag.name == "ul" && depth > 0) {
            if (depth-- > 1 && open.size() > 1)
                open.pop_back();
        } else if (tag.name == "object" && !tag.closing) {
            const std::string* type = tag.attribute("type");
            current = type && *type == "text/sitemap" ? &object : nullptr;
            object = Keyword {};
            object.line = lines.lineOf(tag.start);
        } else if (tag.name == "object" && current) {
            open.back()->push_back(std::move(object));
            current = nullptr;
        } else if (tag.name == "param" && current) {
            const std::string* name = tag.attribute("name");
            const std::string* value = tag.attribute("value");
            if (!name || !value)
                continue;
            const std::string text = attributeText(*value);
            if (*name == "Name" && current->name.empty())
                current->name = text;
            else if (*name == "Name")
                current->topics.push_back({text, {}, {}, {}});
            else if (*name == "Local" && !current->topics.empty())
                current->topics.back().local = text;
            else if (*name == "Local")
                current->topics.push_back({current->name, text, {}, {}});
            else if (*name == "FrameName" && !current->topics.empty())
                current->topics.back().frame = text;
            else if (*name == "WindowName" && !current->topics.empty())
                current->topics.back().window = text;
            else if (*name == "See Also")
                current->seeAlso.push_back(text);
        }
    }
    return top;
}

class KeywordImport {
public:
    KeywordImport(const std::string& file, const std::string& projectDirectory, ImportedIndex& index)
        : file_(file)
        , projectDirectory_(projectDirectory)
        , folder_(folderOf(file))
        , index_(index)
    {
    }

    // A keyword with a list of its own repeats the topics of the whole list:
    // its own topics are those no keyword of the list shows.
    void add(const std::vector<Keyword>& keywords, const std::string& parentPath)
    {
        for (const Keyword& keyword : keywords) {
            const std::string path = parentPath.empty() ? keyword.name : parentPath + ", " + keyword.name;
            std::multiset<std::pair<std::string, std::string>> below;
            for (const Keyword& child : keyword.children)
                for (const Topic& topic : child.topics)
                    below.emplace(topic.title, topic.local);
            for (const Topic& topic : keyword.topics) {
                if (const auto shown = below.find({topic.title, topic.local}); shown != below.end()) {
                    below.erase(shown);
                    continue;
                }
                addEntry(path, topic, keyword.line);
            }
            for (const std::string& locator : keyword.seeAlso)
                index_.crossReferences.push_back(
                    {{path, plainTextOf(path), ".", "<i>See</i>", locator, plainTextOf(locator), true},
                     {file_, keyword.line}});
            add(keyword.children, path);
        }
    }

private:
    void addEntry(const std::string& path, const Topic& topic, std::size_t line)
    {
        std::string stored;
        for (std::size_t start = 0;;) {
            const std::size_t comma = path.find(", ", start);
            // Levels are joined by ", ": a comma of any other kind belongs to the text.
            stored += storedLevel(path.substr(start, comma - start), true);
            if (comma == std::string::npos)
                break;
            stored += ", ";
            start = comma + 2;
        }
        IndexEntryValues values {stored,     storedLevel(plainTextOf(path), false),
                                 stored,     storedLevel(topic.title, false),
                                 "",         topic.window,
                                 topic.frame};
        index_.entries.push_back(
            {projectTarget(topic.local, folder_, projectDirectory_), std::move(values), {file_, line}});
    }

    const std::string& file_;
    const std::string& projectDirectory_;
    std::string folder_;
    ImportedIndex& index_;
};

} // namespace

std::string readHtmlHelpIndex(std::string_view text, const std::string& file, const std::string& projectDirectory,
                              ImportedIndex& index)
{
    const LineNumbers lines(text);
    const std::vector<Keyword> keywords = readKeywords(text, lines);
    if (keywords.empty())
        return "holds no keyword (no <OBJECT type=\"text/sitemap\"> in a list)";
    KeywordImport(file, projectDirectory, index).add(keywords, "");
    return {};
}

} // namespace torvane

#include "shell/cli/IndexReaders.h"
#include <algorithm>
#include "shell/cli/JsonValue.h"
#include <array>

namespace torvane {

namespace {

constexpr std::array<std::string_view, 7> kEntryFields = {"indexAs",     "sortAs",     "helpAs",   "helpTitle",
                                                          "indexTarget", "helpWindow", "helpFrame"};

std::string textOf(const JsonValue* value)
{
    return value && value->isString() ? value->text : std::string();
}

IndexEntryValues valuesOf(const std::array<std::string, 7>& fields)
{
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

// A target's entries, or its exclusion, as its state asks.
void readTarget(const JsonValue& target, const std::string& place, const std::string& file, const LineNumbers& lines,
                ImportedIndex& index)
{
    const std::string state = textOf(target.member("state"));
    const SourcePlace source {file, lines.lineOf(target.offset)};
    if (state == "excluded") {
        index.exclusions.push_back({place, source});
        return;
    }
    const JsonValue* entries = target.member("entries");
    if (state != "explicit" || !entries)
        return;
    for (const JsonValue& entry : entries->items) {
        std::array<std::string, 7> fields;
        for (std::size_t i = 0; i < fields.size(); ++i)
            fields[i] = textOf(entry.member(kEntryFields[i]));
        index.entries.push_back({place, valuesOf(fields), {file, lines.lineOf(entry.offset)}});
    }
}

// The fields of one CSV record starting at `at`, which it moves past the
// record's line end; false at a quote that is never closed.
bool readCsvRecord(std::string_view text, std::size_t& at, std::vector<std::string>& fields)
{
    fields.assign(1, std::string());
    bool quoted = false;
    while (at < text.size()) {
        const char c = text[at++];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (at < text.size() && text[at] == '"')
                fields.back() += text[at++];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            break;
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return !quoted;
}

} // namespace

std::string readExportJson(std::string_view text, const std::string& file, const std::string&, ImportedIndex& index)
{
    std::string problem;
    const std::optional<JsonValue> document = parseJson(text, problem);
    if (!document)
        return "not JSON: " + problem;
    const JsonValue* pages = document->member("pages");
    if (document->kind != JsonValue::Kind::Object || !pages)
        return "not an export of a project: no \"pages\"";
    const LineNumbers lines(text);
    for (const JsonValue& page : pages->items) {
        const std::string path = textOf(page.member("path"));
        if (const JsonValue* targets = page.member("targets")) {
            for (const JsonValue& target : targets->items) {
                const std::string name = textOf(target.member("name"));
                readTarget(target, name == "#" ? path : path + "#" + name, file, lines, index);
            }
        }
    }
    if (const JsonValue* urls = document->member("urls")) {
        for (const JsonValue& url : urls->items) {
            const std::string address = textOf(url.member("url"));
            index.urls.push_back({address, {file, lines.lineOf(url.offset)}});
            readTarget(url, address, file, lines, index);
        }
    }
    if (const JsonValue* references = document->member("crossReferences")) {
        for (const JsonValue& reference : references->items) {
            const JsonValue* link = reference.member("linkToLocator");
            index.crossReferences.push_back(
                {{textOf(reference.member("heading")), textOf(reference.member("headingSort")),
                  textOf(reference.member("separator")), textOf(reference.member("reference")),
                  textOf(reference.member("locator")), textOf(reference.member("locatorSort")), !link || link->boolean},
                 {file, lines.lineOf(reference.offset)}});
        }
    }
    return {};
}

std::string readExportCsv(std::string_view text, const std::string& file, const std::string&, ImportedIndex& index)
{
    std::size_t at = 0;
    std::vector<std::string> fields;
    readCsvRecord(text, at, fields);
    if (fields.size() < 9 || fields[0] != "page" || fields[1] != "target" || fields[2] != "indexAs")
        return "not an export of a project: the first line is not \"page,target,indexAs,...\"";
    const bool withState = fields.size() > 9;
    const LineNumbers lines(text);
    while (at < text.size()) {
        const std::size_t line = lines.lineOf(at);
        if (!readCsvRecord(text, at, fields))
            return "line " + std::to_string(line) + ": a quote that is never closed";
        if (fields.size() == 1 && fields[0].empty())
            continue;
        if (fields.size() < 9)
            return "line " + std::to_string(line) + ": fewer than nine fields";
        const std::string state = withState && fields.size() > 9 ? fields[9] : "explicit";
        const bool isUrl = fields[0].empty();
        const std::string place = isUrl ? fields[1] : fields[1] == "#" ? fields[0] : fields[0] + "#" + fields[1];
        const SourcePlace source {file, line};
        if (isUrl && (index.urls.empty() || index.urls.back().target != place))
            index.urls.push_back({place, source});
        if (state == "excluded")
            index.exclusions.push_back({place, source});
        if (state != "explicit")
            continue;
        std::array<std::string, 7> values;
        std::copy(fields.begin() + 2, fields.begin() + 9, values.begin());
        index.entries.push_back({place, valuesOf(values), source});
    }
    return {};
}

} // namespace torvane

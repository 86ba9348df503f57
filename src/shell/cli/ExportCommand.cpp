#include "document/ProjectLookup.h"
#include "model/CrossReference.h"
#include "model/ExternalUrl.h"
#include "model/SourceFile.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/JsonText.h"
#include "shell/cli/SubcommandList.h"
#include <array>
#include <ostream>

namespace torvane {

namespace {

const char* stateOf(const EntryHolder& holder)
{
    return holder.isExcluded() ? "excluded" : holder.usesDefault() ? "default" : "explicit";
}

// A page whose entries cannot be read is listed all the same, marked, so
// that an export never passes for complete when it is not.
const char* pageStateOf(const SourceFile& page)
{
    return page.isMissing() ? "missing" : page.isUnreadable() ? "unreadable" : "readable";
}

// The separator before the next item of a JSON array: none before the first.
class ItemSeparator {
public:
    const char* operator()()
    {
        const char* separator = first_ ? "" : ",";
        first_ = false;
        return separator;
    }

private:
    bool first_ = true;
};

std::vector<std::string_view> fieldsOf(const IndexEntry& entry)
{
    return {entry.indexAs(),     entry.sortAs(),     entry.helpAs(),   entry.helpTitle(),
            entry.indexTarget(), entry.helpWindow(), entry.helpFrame()};
}

constexpr std::array<const char*, 7> kFieldNames {"indexAs",     "sortAs",     "helpAs",   "helpTitle",
                                                  "indexTarget", "helpWindow", "helpFrame"};

void writeJsonEntry(const IndexEntry& entry, std::ostream& out)
{
    const std::vector<std::string_view> fields = fieldsOf(entry);
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i == 0 ? "{\"" : ", \"") << kFieldNames[i] << "\": " << jsonString(fields[i]);
    out << "}";
}

using EntryList = std::vector<const IndexEntry*>;

EntryList entryList(const EntryHolder& holder)
{
    const std::vector<IndexEntry*> entries = holder.entries();
    return {entries.begin(), entries.end()};
}

EntryList entryList(const KeptTarget& kept)
{
    EntryList entries;
    for (const IndexEntry& entry : kept.entries)
        entries.push_back(&entry);
    return entries;
}

void writeJsonTarget(std::string_view name, std::string_view state, const EntryList& entries, std::ostream& out,
                     const char* nameKey = "name")
{
    out << "{\"" << nameKey << "\": " << jsonString(name) << ", \"state\": \"" << state << "\", \"entries\": [";
    ItemSeparator next;
    for (const IndexEntry* entry : entries) {
        out << next();
        writeJsonEntry(*entry, out);
    }
    out << "]}";
}

void writeJson(CProjectDoc& document, std::ostream& out)
{
    ProjectRootNode& root = document.root();
    out << "{\"project\": " << jsonString(document.title()) << ",\n \"pages\": [";
    ItemSeparator nextPage;
    for (const SourceFile* page : listedPages(root)) {
        out << nextPage() << "\n  {\"path\": " << jsonString(page->relativeUrl())
            << ", \"title\": " << jsonString(page->defaultEntry()->indexAs()) << ", \"state\": \"" << pageStateOf(*page)
            << "\",\n   \"targets\": [\n    ";
        writeJsonTarget("#", stateOf(*page), entryList(*page), out);
        for (const Target* target : page->targets()) {
            out << ",\n    ";
            writeJsonTarget(target->label(), stateOf(*target), entryList(*target), out);
        }
        for (const KeptTarget& kept : page->keptTargets()) {
            out << ",\n    ";
            writeJsonTarget(kept.name, "kept", entryList(kept), out);
        }
        out << "]}";
    }
    out << "],\n \"urls\": [";
    ItemSeparator nextUrl;
    for (const ExternalUrl* url : listedUrls(root)) {
        out << nextUrl() << "\n  ";
        writeJsonTarget(url->label(), stateOf(*url), entryList(*url), out, "url");
    }
    out << "],\n \"crossReferences\": [";
    std::vector<CrossReference*> references;
    root.collectCrossReferences(references, NodeKindMask::CrossReferences);
    ItemSeparator nextReference;
    for (const CrossReference* reference : references) {
        out << nextReference() << "\n  {\"heading\": " << jsonString(reference->heading())
            << ", \"headingSort\": " << jsonString(reference->headingSort())
            << ", \"separator\": " << jsonString(reference->separator())
            << ", \"reference\": " << jsonString(reference->reference())
            << ", \"locator\": " << jsonString(reference->locator())
            << ", \"locatorSort\": " << jsonString(reference->locatorSort())
            << ", \"linkToLocator\": " << (reference->linkToLocator() ? "true" : "false") << "}";
    }
    out << "]}\n";
}

// Lines end in CR LF, as the CSV format has them.
void writeCsvRow(std::string_view page, std::string_view target, const std::vector<std::string_view>& fields,
                 std::string_view state, std::ostream& out)
{
    out << csvField(page) << ',' << csvField(target);
    for (std::string_view field : fields)
        out << ',' << csvField(field);
    out << ',' << state << "\r\n";
}

void writeCsvRows(std::string_view page, std::string_view target, const EntryList& entries, std::string_view state,
                  std::ostream& out)
{
    for (const IndexEntry* entry : entries)
        writeCsvRow(page, target, fieldsOf(*entry), state, out);
}

void writeCsv(CProjectDoc& document, std::ostream& out)
{
    out << "page,target,indexAs,sortAs,helpAs,helpTitle,indexTarget,helpWindow,helpFrame,state\r\n";
    const std::vector<std::string_view> noFields(kFieldNames.size());
    for (const SourceFile* page : listedPages(document.root())) {
        const std::string path = page->relativeUrl();
        if (page->isMissing() || page->isUnreadable()) {
            writeCsvRow(path, "#", noFields, pageStateOf(*page), out);
            continue;
        }
        writeCsvRows(path, "#", entryList(*page), stateOf(*page), out);
        for (const Target* target : page->targets())
            writeCsvRows(path, target->label(), entryList(*target), stateOf(*target), out);
        for (const KeptTarget& kept : page->keptTargets())
            writeCsvRows(path, kept.name, entryList(kept), "kept", out);
    }
    for (const ExternalUrl* url : listedUrls(document.root()))
        writeCsvRows("", url->label(), entryList(*url), stateOf(*url), out);
}

int runExport(const SubcommandCall& call)
{
    const std::string format = call.arguments.value("--format").value_or("json");
    if (format != "json" && format != "csv")
        return refuseCommandLine(*findSubcommand("export"), "unknown format " + format, call.err);
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call);
    if (!project.open(path))
        return project.refuseOpen(path);
    if (format == "csv")
        writeCsv(project.document(), call.out);
    else
        writeJson(project.document(), call.out);
    return ExitOk;
}

} // namespace

Subcommand exportCommand()
{
    return {"export",
            "export PROJECT.ipj [--format json|csv]",
            "Writes the project's index entries to standard output; no page is changed.\n"
            "\n"
            "JSON (the default): {\"project\", \"pages\": [{\"path\", \"title\", \"state\", \"targets\":\n"
            "[{\"name\", \"state\", \"entries\": [{\"indexAs\", \"sortAs\", \"helpAs\", \"helpTitle\",\n"
            "\"indexTarget\", \"helpWindow\", \"helpFrame\"}]}]}], \"urls\": [{\"url\", \"state\",\n"
            "\"entries\"}], \"crossReferences\": [{\"heading\", \"headingSort\", \"separator\",\n"
            "\"reference\", \"locator\", \"locatorSort\", \"linkToLocator\"}]}.\n"
            "A page's path is relative to the project folder with \"/\" separators; its title\n"
            "is the text it is indexed under by default (its first heading, else its title).\n"
            "Target \"#\" is the page itself, the others are its anchors. A target's state is\n"
            "\"default\" (the entries are the default entry the index uses), \"explicit\",\n"
            "\"excluded\" (no entries) or \"kept\": entries the page keeps for an anchor it no\n"
            "longer has, which no index shows. A page's state is \"readable\", or \"missing\"\n"
            "or \"unreadable\" for a page whose entries could not be read.\n"
            "\n"
            "CSV (--format csv, lines ending in CR LF): a header line, then one line per\n"
            "entry: page, target, the seven fields and the state of its target (for a URL\n"
            "the page is empty and the target is the URL); a missing or unreadable page is\n"
            "one line with empty fields and that state.\n"
            "\n"
            "Values are the stored form of the entry records, byte for byte (escapes kept).\n"
            "Text that is not UTF-8 is read as windows-1252, byte by byte, as browsers read\n"
            "such pages; the five bytes that encoding leaves unassigned (81, 8D, 8F, 90, 9D)\n"
            "become U+0081 and so on, so that every byte can be told back.\n",
            {{"--format", true, "json|csv", "the output format (default: json)"}},
            1,
            1,
            runExport};
}

} // namespace torvane

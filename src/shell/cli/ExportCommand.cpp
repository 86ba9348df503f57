#include "document/ProjectLookup.h"
#include "model/CrossReference.h"
#include "model/ExternalUrl.h"
#include "model/SourceFile.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/JsonText.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

// "offered": an element's id resting with its default entry out of the index.
const char* stateOf(const EntryHolder& holder)
{
    return holder.isExcluded()          ? "excluded"
           : !holder.usesDefault()      ? "explicit"
           : holder.offersDefaultOnly() ? "offered"
                                        : "default";
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

void writeJsonEntries(const EntryHolder& holder, std::ostream& out)
{
    out << "\"entries\": [";
    ItemSeparator next;
    for (const IndexEntry* entry : holder.entries()) {
        out << next() << "{\"indexAs\": " << jsonString(entry->indexAs())
            << ", \"sortAs\": " << jsonString(entry->sortAs()) << ", \"helpAs\": " << jsonString(entry->helpAs())
            << ", \"helpTitle\": " << jsonString(entry->helpTitle())
            << ", \"indexTarget\": " << jsonString(entry->indexTarget())
            << ", \"helpWindow\": " << jsonString(entry->helpWindow())
            << ", \"helpFrame\": " << jsonString(entry->helpFrame()) << "}";
    }
    out << "]";
}

void writeJsonTarget(const EntryHolder& holder, std::string_view name, std::ostream& out)
{
    out << "{\"name\": " << jsonString(name) << ", \"state\": \"" << stateOf(holder) << "\", ";
    if (holder.offersDefaultOnly())
        out << "\"element\": true, \"text\": " << jsonString(holder.defaultEntry()->indexAs()) << ", ";
    writeJsonEntries(holder, out);
    out << "}";
}

void writeJson(CProjectDoc& document, std::ostream& out)
{
    ProjectRootNode& root = document.root();
    out << "{\"project\": " << jsonString(document.title()) << ",\n \"pages\": [";
    ItemSeparator nextPage;
    for (const SourceFile* page : listedPages(root)) {
        out << nextPage() << "\n  {\"path\": " << jsonString(page->relativeUrl())
            << ", \"title\": " << jsonString(page->defaultEntry()->indexAs()) << ",\n   \"targets\": [\n    ";
        writeJsonTarget(*page, "#", out);
        for (const Target* target : page->targets()) {
            out << ",\n    ";
            writeJsonTarget(*target, target->label(), out);
        }
        out << "]}";
    }
    out << "],\n \"urls\": [";
    ItemSeparator nextUrl;
    for (const ExternalUrl* url : listedUrls(root)) {
        out << nextUrl() << "\n  {\"url\": " << jsonString(url->label()) << ", \"state\": \"" << stateOf(*url)
            << "\", ";
        writeJsonEntries(*url, out);
        out << "}";
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

void writeCsvRows(const EntryHolder& holder, std::string_view page, std::string_view target, std::ostream& out)
{
    for (const IndexEntry* entry : holder.entries()) {
        out << csvField(page) << ',' << csvField(target);
        for (std::string_view field : {entry->indexAs(), entry->sortAs(), entry->helpAs(), entry->helpTitle(),
                                       entry->indexTarget(), entry->helpWindow(), entry->helpFrame()})
            out << ',' << csvField(field);
        out << '\n';
    }
}

void writeCsv(CProjectDoc& document, std::ostream& out)
{
    out << "page,target,indexAs,sortAs,helpAs,helpTitle,indexTarget,helpWindow,helpFrame\n";
    for (const SourceFile* page : listedPages(document.root())) {
        const std::string path = page->relativeUrl();
        writeCsvRows(*page, path, "#", out);
        for (const Target* target : page->targets())
            writeCsvRows(*target, path, target->label(), out);
    }
    for (const ExternalUrl* url : listedUrls(document.root()))
        writeCsvRows(*url, "", url->label(), out);
}

int runExport(const SubcommandCall& call)
{
    const std::string format = call.arguments.value("--format").value_or("json");
    if (format != "json" && format != "csv")
        return refuseCommandLine(*findSubcommand("export"), "unknown format " + format, call.err);
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call.err, call.showProgress);
    if (!project.open(path))
        return refuseProject(call.err, path);
    if (format == "csv")
        writeCsv(project.document(), call.out);
    else
        writeJson(project.document(), call.out);
    return call.out.good() ? ExitOk : ExitFailed;
}

} // namespace

Subcommand exportCommand()
{
    return {"export",
            "export PROJECT.ipj [--format json|csv]",
            "Writes the project's index entries to standard output; no page is changed.\n"
            "\n"
            "JSON (the default): {\"project\", \"pages\": [{\"path\", \"title\", \"targets\":\n"
            "[{\"name\", \"state\", \"entries\": [{\"indexAs\", \"sortAs\", \"helpAs\", \"helpTitle\",\n"
            "\"indexTarget\", \"helpWindow\", \"helpFrame\"}]}]}], \"urls\": [{\"url\", \"state\",\n"
            "\"entries\"}], \"crossReferences\": [{\"heading\", \"headingSort\", \"separator\",\n"
            "\"reference\", \"locator\", \"locatorSort\", \"linkToLocator\"}]}.\n"
            "A page's path is relative to the project folder with \"/\" separators; its title\n"
            "is the text it is indexed under by default (its first heading, else its title).\n"
            "Target \"#\" is the page itself, the others are its anchors. A state is \"default\"\n"
            "(the entries are the default entry the index uses), \"explicit\" or \"excluded\"\n"
            "(no entries). With Id Targets=1 an element's id is a target too; it carries\n"
            "\"element\": true and its \"text\", and rests \"offered\" (no entries, its\n"
            "default entry not used) until it is given an entry.\n"
            "\n"
            "CSV (--format csv): a header line, then one line per entry: page, target and the\n"
            "seven fields; for a URL the page is empty and the target is the URL.\n"
            "\n"
            "Values are the stored form of the entry records, byte for byte (escapes kept).\n"
            "Text that is not UTF-8 is shown one character per byte (as the desktop shows it).\n",
            {{"--format", true}},
            1,
            1,
            runExport};
}

} // namespace torvane

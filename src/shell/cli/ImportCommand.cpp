#include "document/CProjectDoc.h"
#include "document/ProjectLookup.h"
#include "model/CrossReference.h"
#include "model/EntryHolder.h"
#include "model/SourceFile.h"
#include "model/Target.h"
#include "platform/FileAccess.h"
#include "shell/cli/CliMessages.h"
#include "shell/cli/CliProject.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/IndexReaders.h"
#include "shell/cli/NearestName.h"
#include "shell/cli/SubcommandList.h"
#include <algorithm>
#include <ostream>

namespace torvane {

namespace {

using IndexReader = std::string (*)(std::string_view text, const std::string& file, const std::string& projectDirectory,
                                    ImportedIndex& index);

struct ImportFormat {
    std::string_view name;
    IndexReader read;
};

const std::vector<ImportFormat>& formats()
{
    static const std::vector<ImportFormat> all {{"export-json", readExportJson},
                                                {"csv", readExportCsv},
                                                {"hhk", readHtmlHelpIndex},
                                                {"sphinx", readSphinxIndex}};
    return all;
}

std::string placeOf(const SourcePlace& source)
{
    return source.file + ":" + std::to_string(source.line);
}

// The place of the project nearest to a target it does not list: an anchor
// of the named page, else a page.
std::string nearestTarget(EditContext& context, const std::string& target)
{
    const std::size_t hash = target.rfind('#');
    if (hash != std::string::npos) {
        if (SourceFile* page = context.lookup().findPage(target.substr(0, hash))) {
            std::vector<std::string> anchors;
            for (const Target* anchor : page->targets())
                anchors.push_back(anchor->label());
            const std::string anchor = nearestName(target.substr(hash + 1), anchors);
            return target.substr(0, hash) + (anchor.empty() ? "" : "#" + anchor);
        }
    }
    std::vector<std::string> pages;
    for (const SourceFile* page : listedPages(context.document().root()))
        pages.push_back(page->relativeUrl());
    return nearestName(target.substr(0, hash), pages);
}

// What the import did and what it could not do.
struct ImportTally {
    std::size_t entries = 0;
    std::size_t crossReferences = 0;
    std::size_t unfound = 0;
    std::size_t refused = 0;
};

bool sameCrossReference(const CrossReference& record, const CrossReferenceValues& values)
{
    return CrossReferenceValues::of(record) == values;
}

// Puts the imported index into the project: the URLs it lacks, the entries,
// the exclusions and the cross-references it does not have yet. A target
// the project does not list is told with the place it was read and the
// nearest one it lists.
ImportTally importInto(EditContext& context, const ImportedIndex& index)
{
    ImportTally tally;
    CProjectDoc& document = context.document();
    for (const ImportedPlace& url : index.urls) {
        if (!context.lookup().findUrl(url.target)) {
            document.addExternalUrl(url.target);
            context.placesChanged();
        }
    }
    auto find = [&](const std::string& target, const SourcePlace& source) -> EntryHolder* {
        EntryHolder* holder = context.lookup().findTarget(target);
        if (!holder) {
            ++tally.unfound;
            const std::string nearest = nearestTarget(context, target);
            context.tell(placeOf(source), target + ": not a page, anchor or URL of the project" +
                                              (nearest.empty() ? "" : " (nearest: " + nearest + ")"));
        }
        return holder;
    };
    for (const ImportedEntry& entry : index.entries) {
        EntryHolder* holder = find(entry.target, entry.source);
        if (!holder)
            continue;
        if (const std::string_view problem = unstorableProblem(entry.values); !problem.empty()) {
            ++tally.refused;
            context.tell(placeOf(entry.source), problem);
            continue;
        }
        // The holder turns away an entry it has already.
        if (holder->addEntry(entryFrom(entry.values)))
            ++tally.entries;
        document.setModified(true);
    }
    std::vector<ProjectNode*> excluded;
    for (const ImportedPlace& exclusion : index.exclusions)
        if (EntryHolder* holder = find(exclusion.target, exclusion.source))
            excluded.push_back(holder);
    if (!excluded.empty()) {
        selectOnly(document.root(), excluded);
        document.excludeSelected(nullptr);
    }
    std::vector<CrossReference*> existing;
    document.root().collectCrossReferences(existing, NodeKindMask::CrossReferences);
    for (const ImportedCrossReference& reference : index.crossReferences) {
        const bool known = std::any_of(existing.begin(), existing.end(), [&](const CrossReference* record) {
            return sameCrossReference(*record, reference.values);
        });
        if (!known) {
            document.createCrossReference(reference.values);
            ++tally.crossReferences;
        }
    }
    return tally;
}

// The format named by --from, else the one a file's extension tells.
const ImportFormat* formatOf(const std::string& file, const std::optional<std::string>& named)
{
    static const std::vector<std::pair<std::string_view, std::string_view>> byExtension {
        {".json", "export-json"}, {".csv", "csv"}, {".hhk", "hhk"}, {".html", "sphinx"}, {".htm", "sphinx"}};
    std::string name = named.value_or("");
    for (const auto& [extension, format] : byExtension)
        if (name.empty() && file.ends_with(extension))
            name = format;
    const auto format =
        std::find_if(formats().begin(), formats().end(), [&](const ImportFormat& known) { return known.name == name; });
    return format == formats().end() ? nullptr : &*format;
}

int runImport(const SubcommandCall& call)
{
    const std::optional<std::string> named = call.arguments.value("--from");
    if (named && !formatOf("", named))
        return refuseCommandLine(*findSubcommand("import"), "unknown format " + *named, call.err);
    const std::vector<std::string>& arguments = call.arguments.positionals;
    CliProject project(call);
    if (!project.open(arguments[0]))
        return project.refuseOpen(arguments[0]);
    ImportedIndex index;
    for (auto file = arguments.begin() + 1; file != arguments.end(); ++file) {
        const ImportFormat* format = formatOf(*file, named);
        if (!format) {
            project.tell(*file, "of no format its name tells: give it with --from");
            return ExitUnusable;
        }
        std::string text;
        if (readWholeFile(*file, text).failed()) {
            project.tell(*file, "cannot be read");
            return ExitUnusable;
        }
        const std::string problem = format->read(text, *file, project.document().projectDirectory(), index);
        if (!problem.empty()) {
            project.tell(*file, problem);
            return ExitFailed;
        }
    }
    EditContext context(project, call.out, call.err, call.name);
    const ImportTally tally = importInto(context, index);
    const bool strict = call.arguments.has("--strict");
    const bool refused = tally.refused > 0 || (strict && tally.unfound > 0);
    if (!refused)
        call.err << messagePrefix(call.name) << tally.entries << " entries and " << tally.crossReferences
                 << " cross-references imported, " << tally.unfound << " targets not found\n";
    return saveUnlessRefused(project, call, refused);
}

} // namespace

Subcommand importCommand()
{
    return {"import",
            "import PROJECT.ipj FILE... [--from FORMAT] [--strict] [--dry-run]",
            "Brings an index made elsewhere into the project: each entry goes to the page,\n"
            "anchor or URL it points to, and the project and the changed pages are saved.\n"
            "\n"
            "FORMAT is one of the following; without --from, a file's extension names it\n"
            "(.json, .csv, .hhk, .html or .htm for sphinx).\n"
            "  export-json, csv  what 'torvane export' writes: entries of explicit targets\n"
            "                    are added in their stored form, excluded targets excluded,\n"
            "                    URLs and (JSON) cross-references the project lacks added;\n"
            "  hhk               an HTML Help keyword index: keywords, their topics' pages\n"
            "                    and anchors (Local) and names (help titles), See Also;\n"
            "  sphinx            a Sphinx genindex.html or genindex-all.html: terms and\n"
            "                    subterms on each of their links, \"see\" and \"see also\"\n"
            "                    as cross-references.\n"
            "Links are read from the folder of the FILE. Texts keep their HTML; sort keys\n"
            "are their plain text. An entry or cross-reference the project already has is\n"
            "not added again, so a second import changes nothing.\n"
            "\n"
            "A target the project does not list is told with the file and line it was read\n"
            "from and the nearest target the project lists, and passed over; --strict makes\n"
            "it an error. An error (a file that cannot be read as FORMAT, a value no page\n"
            "could store, a target not found with --strict) writes nothing (exit 1).\n",
            {{"--from", true, "export-json|csv|hhk|sphinx", "the format of the files"},
             {"--strict", false, {}, "a target not found is an error; nothing is written"},
             {"--dry-run", false, {}, "tells what would be imported; nothing is written"}},
            2,
            kAnyNumber,
            runImport};
}

} // namespace torvane

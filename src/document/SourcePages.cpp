#include "document/SourcePages.h"

#include "document/PageFindings.h"
#include "model/KeyCompare.h"
#include "document/PageMerge.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "platform/ContentStamp.h"
#include "platform/FileAccess.h"
#include "platform/ReplaceAccess.h"
#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"
#include "sources/CommentBlock.h"
#include "sources/LoadedPage.h"
#include "sources/PageReader.h"
#include "sources/StoredValues.h"

#include <algorithm>
#include <memory>
#include <string>

namespace torvane {

namespace {

void installFileDefault(SourceFile& file, const ScannedPage& page)
{
    if (!page.headingText.empty())
        file.setDefaultEntry(page.headingText, EntryKind::FileDefaultHeading);
    else if (!page.titleText.empty())
        file.setDefaultEntry(page.titleText, EntryKind::FileDefaultTitle);
    else
        file.setDefaultEntry("", EntryKind::FileDefaultEmpty);
}

void installTargets(SourceFile& file, const ScannedPage& page)
{
    // Targets are held in key order: taken in that order, each one joins at
    // the end instead of moving every target after its place. Among anchors
    // of one name the last still gives the default text.
    std::vector<const Anchor*> ordered;
    ordered.reserve(page.anchors.size());
    for (const Anchor& anchor : page.anchors)
        ordered.push_back(&anchor);
    std::stable_sort(ordered.begin(), ordered.end(), [](const Anchor* a, const Anchor* b) {
        return compareKeys(a->name, b->name, KeyCompareMode::CaseInsensitiveThenExact) < 0;
    });
    for (const Anchor* anchor : ordered) {
        Target& target = file.findOrCreateTarget(anchor->name);
        const EntryKind kind = anchor->text.empty() ? EntryKind::TargetDefaultEmpty : EntryKind::TargetDefaultText;
        target.setDefaultEntry(anchor->text, kind);
    }
}

// The elements' ids that name no anchor, the first of each name, placed in
// one merge: a generated page has thousands, rarely in name order.
void installIdTargets(SourceFile& file, const ScannedPage& page)
{
    std::vector<std::unique_ptr<Target>> added;
    added.reserve(page.ids.size());
    for (const Anchor& id : page.ids) {
        if (file.findTarget(id.name))
            continue;
        auto target = std::make_unique<Target>(id.name, true);
        target->setDefaultEntry(id.text,
                                id.text.empty() ? EntryKind::TargetDefaultEmpty : EntryKind::TargetDefaultText);
        added.push_back(std::move(target));
    }
    const auto before = [](const std::unique_ptr<Target>& a, const std::unique_ptr<Target>& b) {
        return compareKeys(a->label(), b->label(), KeyCompareMode::CaseInsensitiveThenExact) < 0;
    };
    std::stable_sort(added.begin(), added.end(), before);
    added.erase(
        std::unique(added.begin(), added.end(), [](const auto& a, const auto& b) { return a->label() == b->label(); }),
        added.end());
    file.adoptTargets(std::move(added));
}

std::unique_ptr<IndexEntry> entryOfRecord(const NameValueList& records, std::size_t first)
{
    const auto field = [&](std::size_t index) { return storableForm(decodeBlockValue(records[first + index].second)); };
    auto entry = std::make_unique<IndexEntry>();
    entry->setFields(field(0), field(1), field(2), field(3), field(4), field(5), field(6));
    return entry;
}

// Applies the block's records: "Target" picks the holder ("#" is the page
// itself), and every record after it is seven pairs in the fixed order
// IndexAs, HelpAs, HelpTitle, SortAs, IndexTarget, HelpWindow, HelpFrame.
// The entries of a name the page lacks are kept aside under that name.
void applyBlockRecords(SourceFile& file, const NameValueList& records, bool keepAll = false)
{
    constexpr std::size_t recordPairs = 7;
    EntryHolder* current = nullptr;
    KeptTarget kept;
    bool keeping = false;
    bool keptExcluded = false;
    const auto keepPending = [&] {
        if (keeping && (keptExcluded || !kept.entries.empty()))
            file.keepTarget(std::move(kept));
        keeping = keptExcluded = false;
    };
    for (std::size_t i = 0; i < records.size();) {
        if (records[i].first == "Target") {
            keepPending();
            const std::string& stored = records[i].second;
            const std::string name = decodeTargetName(stored);
            current = keepAll ? nullptr : stored == "#" ? static_cast<EntryHolder*>(&file) : file.findTarget(name);
            keeping = current == nullptr;
            if (keeping)
                kept = KeptTarget {storableForm(name, true), {}, stored == "#"};
            ++i;
            continue;
        }
        if (records.size() - i < recordPairs)
            break;
        const bool excluding = records[i].second.empty();
        if (keeping && !excluding)
            kept.entries.insert(*entryOfRecord(records, i));
        else if (keeping)
            keptExcluded = true;
        else if (current && excluding) {
            // Every listing of a target opens with this record; a target
            // listed again (a page given a second block) keeps what it has.
            if (current->usesDefault() || current->isExcluded())
                current->setExcluded(true);
        } else if (current)
            current->addEntry(entryOfRecord(records, i));
        i += recordPairs;
    }
    keepPending();
}

// What the user must know about a page just read: UTF-16 text, a damaged
// block, entries kept for targets the page no longer has.
void reportPageProblems(SourceFile& file, bool utf16, FileReports& reports)
{
    if (utf16)
        reports.logPageProblem(file.fullPath() + ": " + std::string(kUtf16Problem));
    std::vector<PageFinding> findings;
    addPageFindings(file, findings);
    for (const PageFinding& finding : findings)
        reports.logPageProblem(findingLine(finding));
}

void takeScanInto(SourceFile& file, const ScannedPage& page, bool entriesFromPage)
{
    installFileDefault(file, page);
    installTargets(file, page);
    installIdTargets(file, page);
    if (!entriesFromPage)
        return;
    applyBlockRecords(file, page.blockRecords);
    file.setBlockDamage(page.blockDamage);
}

} // namespace

void takePageInto(SourceFile& file, CHtmlFile& page)
{
    page.ScanPage();
    takeScanInto(file, page.scanned(), true);
}

void putEntriesIntoPage(const SourceFile& file, CHtmlFile& page)
{
    page.ScanInsertionPoints();
    const bool xml = page.isXhtml();
    const std::string meta = buildMetaTags(file, xml);
    page.PutMetaTags(meta);
    page.PutCommentBlock(buildCommentBlock(file, xml));
    // Repairing a damaged block can leave tags put into a comment inside a
    // block region, where no later save looks: then they go into the head.
    if (!meta.empty() && page.metaPointText() != meta)
        page.PutMetaTags(meta);
}

SourceFile& loadSourceFile(ProjectRootNode& root, std::string_view fullPath, FileReports& reports,
                           ReplaceAccess& access, PageReader& reader, const LoadedPage* ahead, PageLoadOptions options)
{
    SourceFile& file = root.findOrCreateFile(fullPath);
    if (file.isLoaded())
        return file;
    file.setLoaded(true);

    const std::string path = file.fullPath();
    const bool readAhead = ahead && ahead->path == path;
    LoadedPage readNow;
    if (!readAhead)
        readLoadedPage(reader, path, readNow, options.withIds);
    const LoadedPage& page = readAhead ? *ahead : readNow;
    logFailure(page.outcome, reports);
    const PageReadResult& read = page.result;
    if (read.exists && (read.readOnly || !access.mayReadAndReplace(path)))
        reports.logReadOnlyFile(path);

    if (read.exists)
        file.setLoadedIdentity(read.identity);
    if (!read.exists) {
        file.setMissing(true);
    } else if (!read.readSucceeded) {
        file.setUnreadable(true);
    } else {
        takeScanInto(file, page.scan, options.entriesFromPages);
        file.setDiskStamp(page.stamp);
        file.setDiskTime(read.modified);
        reportPageProblems(file, page.utf16, reports);
    }
    file.setModified(false);
    return file;
}

void applyStoredEntries(SourceFile& file, const NameValueList& records, FileReports& reports)
{
    const bool wasModified = file.isModified();
    applyBlockRecords(file, records, file.isMissing() || file.isUnreadable());
    reportPageProblems(file, false, reports);
    file.setModified(wasModified);
}

namespace {

HtmlFileError rewritePage(SourceFile& file, FileReports& reports, DeferredReplacements* later, OtherWriter* other)
{
    CHtmlFile page(reports);
    page.setPath(file.fullPath());
    page.ReadSource();
    if (!page.exists()) {
        file.setMissing(true);
        return HtmlFileMissing;
    }
    if (!page.readSucceeded()) {
        file.setUnreadable(true);
        return HtmlFileOpenInput;
    }
    if (page.isUtf16())
        reports.logPageProblem(file.fullPath() + ": " + std::string(kUtf16Problem));
    SourceFile* written = &file;
    // The file another program left is the one to replace once its changes are merged in.
    std::optional<FileIdentity> expected = file.loadedIdentity();
    if (other)
        other->readStamp = contentStamp(page.wholeText());
    if (other && other->readStamp != file.diskStamp()) {
        // A link or a second name put in the page's place is refused, never merged into.
        const PathFacts now = pathFacts(file.fullPath());
        if (file.loadedIdentity() && now.identity != file.loadedIdentity() && (now.isLink || now.hasOtherNames)) {
            other->refused = true;
            const FileFailure replaced {FileOperation::OpenOutput, file.fullPath(), CauseAccessDenied,
                                        kReplacedFileError};
            reports.logFileError(replaced);
            logIfReplaced(reports, replaced);
            return HtmlFileOpenOutput;
        }
        if (other->base)
            other->merged = mergePage(*other->base, file, page);
        if (!other->merged) {
            other->refused = true;
            logChangedOutside(file.fullPath(), reports);
            return HtmlFileOpenOutput;
        }
        written = other->merged.get();
        expected = page.readIdentity();
    }
    const std::string before = page.wholeText();
    putEntriesIntoPage(*written, page);
    // A page whose bytes stay as they were keeps its file: no write, no new
    // inode, no new date for tools that watch it.
    if (page.wholeText() != before)
        page.WriteSource(later, expected);
    if (!page.writeSucceeded())
        return page.errorCode();
    if (!later)
        written->setLoadedIdentity(fileIdentity(file.fullPath()));
    if (other)
        other->writtenStamp = contentStamp(page.wholeText());
    written->setBlockDamage({});
    return HtmlFileOk;
}

} // namespace

HtmlFileError rewriteSourceFile(SourceFile& file, FileReports& reports, DeferredReplacements* later)
{
    return rewritePage(file, reports, later, nullptr);
}

HtmlFileError rewriteSourceFile(SourceFile& file, FileReports& reports, DeferredReplacements* later, OtherWriter& other)
{
    return rewritePage(file, reports, later, &other);
}

void logChangedOutside(const std::string& path, FileReports& reports)
{
    reports.logFileError(FileFailure {FileOperation::OpenOutput, path, CauseSharingViolation, 0});
    reports.logPageProblem(path + ": " + std::string(kChangedOutsideProblem));
}

} // namespace torvane

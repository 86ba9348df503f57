#pragma once
#include "sources/PairReader.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace torvane {

class CHtmlFile;
class DeferredReplacements;
class FileReports;
class PageReader;
struct LoadedPage;
class ProjectRootNode;
class ReplaceAccess;
class SourceFile;
enum HtmlFileError : int;

// How pages are taken into the model.
struct PageLoadOptions {
    bool withIds = false; // every element with an id is a target too
    // The entries come from the pages' blocks; otherwise from the project's
    // entry store, applied afterwards (applyStoredEntries).
    bool entriesFromPages = true;
};

// Finds or creates the page's node and, unless it was read before, reads the
// page into it: default entries from the heading, title and anchors, stored
// entries from the index comment block. A missing page is marked missing, a
// page that cannot be read unreadable; a read-only one is listed in
// `reports` and read all the same; `access` answers whether it may be
// replaced; `reader` reads the page, unless `ahead` holds it read already
// under the node's path (read with options.withIds). The node ends
// unmodified.
SourceFile& loadSourceFile(ProjectRootNode& root, std::string_view fullPath, FileReports& reports,
                           ReplaceAccess& access, PageReader& reader, const LoadedPage* ahead = nullptr,
                           PageLoadOptions options = {});

// Applies records read for the page from elsewhere than its block (as
// readBlockRecords gives them) and reports the entries kept for targets the
// page lacks. A page that is missing or unreadable keeps them all, its own
// included, so that they are written back as they were.
void applyStoredEntries(SourceFile& file, const NameValueList& records, FileReports& reports);

// Scans a page already read and takes its targets and stored entries into
// the node (the in-memory half of loadSourceFile).
void takePageInto(SourceFile& file, CHtmlFile& page);

// Puts the node's meta tags and comment block into the page's text (the
// in-memory half of rewriteSourceFile).
void putEntriesIntoPage(const SourceFile& file, CHtmlFile& page);

// Puts the node's meta tags and comment block into its page and writes it
// back, or with `later` into a temporary file put in place when `later`
// finishes. Returns HtmlFileOk, HtmlFileMissing, HtmlFileOpenInput for a page
// that could not be read, or the failed write's code; failures are logged in
// `reports`. A page that another file or a link has taken the place of since
// it was read is refused. The node's modified mark, and with `later` its new
// file's identity, are left to the caller.
HtmlFileError rewriteSourceFile(SourceFile& file, FileReports& reports, DeferredReplacements* later = nullptr);

// A save's look at another writer's changes to a page: the page read at the
// save is compared with the stamp of what this program last read or wrote.
struct OtherWriter {
    // In: the page as this program last read or wrote it, when it has changed
    // the page since; without it, a page changed on disk is refused.
    const SourceFile* base = nullptr;
    // Out: the page carrying both sides' changes, written in the node's
    // stead; it takes the node's place in the tree.
    std::unique_ptr<SourceFile> merged;
    // Out: the stamps of the bytes read at the save and of those written.
    std::uint64_t readStamp = 0;
    std::uint64_t writtenStamp = 0;
    // Out: the page was left alone, its changes and the other writer's not combining.
    bool refused = false;
};
// rewriteSourceFile that merges or refuses (logged at "Open Output" with a
// line saying why) a page changed on disk since this program read it.
HtmlFileError rewriteSourceFile(SourceFile& file, FileReports& reports, DeferredReplacements* later,
                                OtherWriter& other);

// Logs a file this save leaves alone because another program changed it.
void logChangedOutside(const std::string& path, FileReports& reports);

} // namespace torvane

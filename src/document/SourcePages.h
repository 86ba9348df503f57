#pragma once
#include "sources/PairReader.h"

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

} // namespace torvane

#include "document/SourcePages.h"

#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "platform/FileAccess.h"
#include "platform/FileReports.h"
#include "sources/CHtmlFile.h"
#include "sources/CommentBlock.h"

#include <memory>
#include <string>

namespace torvane {

namespace {

void installFileDefault(SourceFile& file, const CHtmlFile& page)
{
    if (!page.headingText().empty())
        file.setDefaultEntry(page.headingText(), EntryKind::FileDefaultHeading);
    else if (!page.titleText().empty())
        file.setDefaultEntry(page.titleText(), EntryKind::FileDefaultTitle);
    else
        file.setDefaultEntry("", EntryKind::FileDefaultEmpty);
}

void installTargets(SourceFile& file, const CHtmlFile& page)
{
    for (const Anchor& anchor : page.anchors()) {
        Target& target = file.findOrCreateTarget(anchor.name);
        const EntryKind kind = anchor.text.empty() ? EntryKind::TargetDefaultEmpty : EntryKind::TargetDefaultText;
        target.setDefaultEntry(anchor.text, kind);
    }
}

// Applies the block's records: "Target" picks the holder ("#" is the page
// itself; a name the page lacks picks nothing, so its records are dropped),
// and every record after it is seven pairs in the fixed order IndexAs,
// HelpAs, HelpTitle, SortAs, IndexTarget, HelpWindow, HelpFrame.
void applyBlockRecords(SourceFile& file, const NameValueList& records)
{
    constexpr std::size_t recordPairs = 7;
    EntryHolder* current = nullptr;
    for (std::size_t i = 0; i < records.size();) {
        if (records[i].first == "Target") {
            const std::string& name = records[i].second;
            current = name == "#" ? static_cast<EntryHolder*>(&file) : file.findTarget(name);
            ++i;
            continue;
        }
        if (records.size() - i < recordPairs)
            break;
        const auto field = [&](std::size_t index) -> const std::string& { return records[i + index].second; };
        if (current == nullptr) {
            // The records of a target the page lacks are dropped.
        } else if (field(0).empty()) {
            current->setExcluded(true);
        } else {
            auto entry = std::make_unique<IndexEntry>();
            entry->setTexts(field(0), field(1), field(2), field(3));
            entry->setTargets(field(4), field(5), field(6));
            current->addEntry(std::move(entry));
        }
        i += recordPairs;
    }
}

} // namespace

SourceFile& loadSourceFile(ProjectRootNode& root, std::string_view fullPath, FileReports& reports,
                           ReplaceAccess& access)
{
    SourceFile& file = root.findOrCreateFile(fullPath);
    if (file.isLoaded())
        return file;
    file.setLoaded(true);

    const std::string path = file.fullPath();
    CHtmlFile page(reports);
    page.setPath(path);
    page.ReadSource();
    if (page.exists() && (page.isReadOnly() || !access.mayReadAndReplace(path)))
        reports.logReadOnlyFile(path);

    if (!page.exists()) {
        file.setMissing(true);
    } else if (!page.readSucceeded()) {
        file.setUnreadable(true);
    } else {
        page.ScanPage();
        installFileDefault(file, page);
        installTargets(file, page);
        applyBlockRecords(file, page.blockRecords());
    }
    file.setModified(false);
    return file;
}

int rewriteSourceFile(SourceFile& file, FileReports& reports, DeferredReplacements* later)
{
    CHtmlFile page(reports);
    page.setPath(file.fullPath());
    page.ReadSource();
    if (!page.exists()) {
        file.setMissing(true);
        return RewriteMissing;
    }
    if (!page.readSucceeded()) {
        file.setUnreadable(true);
        return RewriteUnreadable;
    }
    page.ScanInsertionPoints();
    page.PutMetaTags(buildMetaTags(file));
    page.PutCommentBlock(buildCommentBlock(file));
    page.WriteSource(later);
    return page.writeSucceeded() ? RewriteOk : page.errorCode();
}

} // namespace torvane

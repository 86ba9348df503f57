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
// and every "HelpFrame" closes a record.
void applyBlockRecords(SourceFile& file, const NameValueList& records)
{
    EntryHolder* current = nullptr;
    std::string indexAs, helpAs, helpTitle, sortAs, indexTarget, helpWindow, helpFrame;
    for (const auto& [key, value] : records) {
        if (key == "Target") {
            current = value == "#" ? static_cast<EntryHolder*>(&file) : file.findTarget(value);
        } else if (key == "IndexAs") {
            indexAs = value;
        } else if (key == "HelpAs") {
            helpAs = value;
        } else if (key == "HelpTitle") {
            helpTitle = value;
        } else if (key == "SortAs") {
            sortAs = value;
        } else if (key == "IndexTarget") {
            indexTarget = value;
        } else if (key == "HelpWindow") {
            helpWindow = value;
        } else if (key == "HelpFrame") {
            helpFrame = value;
            if (current == nullptr)
                continue;
            if (indexAs.empty()) {
                current->setExcluded(true);
                continue;
            }
            auto entry = std::make_unique<IndexEntry>();
            entry->setTexts(indexAs, helpAs, helpTitle, sortAs);
            entry->setTargets(indexTarget, helpWindow, helpFrame);
            current->addEntry(std::move(entry));
        }
    }
}

} // namespace

SourceFile& loadSourceFile(ProjectRootNode& root, std::string_view fullPath, FileReports& reports)
{
    SourceFile& file = root.findOrCreateFile(fullPath);
    if (file.isLoaded())
        return file;
    file.setLoaded(true);

    const std::string path = file.fullPath();
    CHtmlFile page(reports);
    page.setPath(path);
    page.ReadSource();
    if (page.exists() && (page.isReadOnly() || !mayReadAndReplace(path)))
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

int rewriteSourceFile(SourceFile& file, FileReports& reports)
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
    page.WriteSource();
    return page.writeSucceeded() ? RewriteOk : page.errorCode();
}

} // namespace torvane

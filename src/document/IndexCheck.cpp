#include "document/IndexCheck.h"
#include "document/CProjectDoc.h"
#include "document/EntryChecks.h"
#include "document/LinkSyntax.h"
#include "document/ProjectFileReader.h"
#include "document/ProjectLookup.h"
#include "document/StoredBlockChecks.h"
#include "generate/OutputCollisions.h"
#include "model/ExternalUrl.h"
#include "model/LocatorNode.h"
#include "model/SourceFile.h"
#include "platform/FileAccess.h"
#include "platform/TextUtil.h"
#include <algorithm>
#include <map>
#include <set>

namespace torvane {

namespace {

bool hasOwnEntries(const EntryHolder& holder)
{
    return !holder.usesDefault() && !holder.isExcluded() && holder.entryCount() > 0;
}

bool pageHasEntries(const SourceFile& page)
{
    if (hasOwnEntries(page))
        return true;
    for (const Target* target : page.targets()) {
        if (hasOwnEntries(*target))
            return true;
    }
    return false;
}

class PageChecks {
public:
    explicit PageChecks(IndexCheckReport& report)
        : report_(report)
    {
    }

    // Missing and unreadable pages count against the coverage: their
    // entries are in no index.
    void check(const SourceFile& page)
    {
        if (page.isMissing() || page.isUnreadable()) {
            ++report_.pagesChecked;
            if (page.isMissing())
                add(page, finding::kMissingPage, "the page does not exist");
            else
                add(page, finding::kUnreadablePage, "the page cannot be read");
            return;
        }
        checkStoredBlock(page, report_.findings);
        // An excluded page top counts as dealt with, unless its anchors carry entries.
        const bool indexed = pageHasEntries(page);
        if (page.isExcluded() && !indexed)
            return;
        ++report_.pagesChecked;
        if (indexed)
            ++report_.pagesWithEntries;
        else
            add(page, finding::kPageWithoutEntries, "the page has no entry of its own and none on its anchors");
    }

private:
    void add(const SourceFile& page, const char* kind, std::string message)
    {
        IndexFinding finding = findingAt(kind, page);
        finding.message = std::move(message);
        report_.findings.push_back(std::move(finding));
    }

    IndexCheckReport& report_;
};

// Pages listed under paths that differ only in letter case: two files on a
// system that tells case apart. The tree may hold them as one page, so the
// project file's own lines are read as well.
void checkCaseClashes(CProjectDoc& document, std::vector<IndexFinding>& findings)
{
    std::vector<std::string> paths;
    for (const SourceFile* page : listedPages(document.root()))
        paths.push_back(page->relativeUrl());
    std::string text;
    if (!readWholeFile(document.pathName(), text).failed()) {
        for (std::string& path : readLocalFilesSection(splitProjectLines(text)).relativePaths) {
            std::replace(path.begin(), path.end(), '\\', '/');
            paths.push_back(std::move(path));
        }
    }
    std::map<std::string, std::string> firstSpelling;
    std::set<std::string> told;
    for (const std::string& path : paths) {
        const auto [first, isNew] = firstSpelling.try_emplace(asciiLower(path), path);
        if (isNew || first->second == path || !told.insert(path).second)
            continue;
        IndexFinding finding;
        finding.kind = finding::kCaseClash;
        finding.severity = severityOf(finding.kind);
        finding.page = path;
        finding.target = "#";
        finding.message = "the project also lists " + first->second + ", whose path differs only in letter case";
        findings.push_back(std::move(finding));
    }
}

void checkUrls(ProjectRootNode& root, std::vector<IndexFinding>& findings)
{
    for (const ExternalUrl* url : listedUrls(root)) {
        if (isValidUrl(url->label()))
            continue;
        IndexFinding finding = findingAt(finding::kBadUrl, *url);
        finding.message = "\"" + url->label() + "\" is not a valid URL";
        findings.push_back(std::move(finding));
    }
}

void checkOutputNames(CProjectDoc& document, std::vector<IndexFinding>& findings)
{
    for (const FileNameCollision& collision :
         fileNameCollisions(document.outputNames(), document.projectFileName(), document.root(),
                            ownOutputsIn(document.root().projectDirectory()))) {
        IndexFinding finding;
        if (SourceFile* page = findPage(document.root(), collision.fileName))
            finding = findingAt(finding::kOutputHitsPage, *page);
        finding.kind = finding::kOutputHitsPage;
        finding.severity = severityOf(finding.kind);
        finding.message = collision.message;
        findings.push_back(std::move(finding));
    }
}

} // namespace

IndexCheckReport checkIndex(CProjectDoc& document)
{
    IndexCheckReport report;
    ProjectRootNode& root = document.root();
    PageChecks pageChecks(report);
    for (const SourceFile* page : listedPages(root))
        pageChecks.check(*page);
    checkCaseClashes(document, report.findings);
    checkEntries(root, report.findings);
    checkUrls(root, report.findings);
    checkCrossReferences(root, report.findings);
    checkOutputNames(document, report.findings);
    return report;
}

ProjectNode* findingNode(ProjectRootNode& root, const IndexFinding& finding)
{
    if (!finding.locator.empty())
        return root.locators().findLocator(finding.locator);
    if (finding.page.empty())
        return finding.target.empty() ? nullptr : findUrl(root, finding.target);
    SourceFile* page = findPage(root, finding.page);
    if (!page || finding.target.empty() || finding.target == "#")
        return page;
    ProjectNode* anchor = page->findTarget(finding.target);
    return anchor ? anchor : page;
}

} // namespace torvane

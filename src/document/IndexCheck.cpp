#include "document/IndexCheck.h"
#include "document/CProjectDoc.h"
#include "document/EntryChecks.h"
#include "document/LinkSyntax.h"
#include "document/ProjectLookup.h"
#include "model/ExternalUrl.h"
#include "model/SourceFile.h"
#include "platform/TextUtil.h"
#include <map>

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
    explicit PageChecks(IndexCheckReport& report) : report_(report) {}

    void check(const SourceFile& page)
    {
        checkCaseOfPath(page);
        if (page.isMissing())
            add(page, finding::kMissingPage, "the page does not exist");
        else if (page.isUnreadable())
            add(page, finding::kUnreadablePage, "the page cannot be read");
        else if (!page.isExcluded())
            checkCoverage(page);
    }

private:
    void checkCaseOfPath(const SourceFile& page)
    {
        const std::string path = page.relativeUrl();
        const auto [first, isNew] = pathsByCase_.try_emplace(asciiLower(path), path);
        if (!isNew && first->second != path)
            add(page, finding::kCaseClash, "the project also lists " + first->second +
                                               ", whose path differs only in letter case");
    }

    // An excluded page counts as dealt with; the others make the coverage.
    void checkCoverage(const SourceFile& page)
    {
        ++report_.pagesChecked;
        if (pageHasEntries(page))
            ++report_.pagesWithEntries;
        else
            add(page, finding::kPageWithoutEntries, "the page has no entry of its own and none on its anchors");
    }

    void add(const SourceFile& page, const char* kind, std::string message)
    {
        IndexFinding finding = findingAt(kind, page);
        finding.message = std::move(message);
        report_.findings.push_back(std::move(finding));
    }

    IndexCheckReport& report_;
    std::map<std::string, std::string> pathsByCase_;
};

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
    const OutputNames& names = document.outputNames();
    for (const std::string* name : {&names.index, &names.htmlHelp, &names.javaHelp, &names.javaMap}) {
        if (SourceFile* page = findPage(document.root(), *name)) {
            IndexFinding finding = findingAt(finding::kOutputHitsPage, *page);
            finding.message = "the index output " + *name + " would be written over this listed page";
            findings.push_back(std::move(finding));
        }
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
    checkEntries(root, report.findings);
    checkUrls(root, report.findings);
    checkCrossReferences(root, report.findings);
    checkOutputNames(document, report.findings);
    return report;
}

} // namespace torvane

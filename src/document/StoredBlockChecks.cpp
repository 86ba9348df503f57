#include "document/StoredBlockChecks.h"
#include "document/EntryChecks.h"
#include "model/SourceFile.h"

namespace torvane {

namespace {

std::string damageText(const BlockDamage& damage)
{
    if (damage.blocks > 1)
        return "the page holds " + std::to_string(damage.blocks) + " index comment blocks";
    if (damage.noEndMarker)
        return "the index comment block has no end marker";
    if (damage.otherLetterCase)
        return "the index comment block's markers are in other letter case";
    return {};
}

} // namespace

void checkStoredBlock(const SourceFile& page, std::vector<IndexFinding>& findings)
{
    if (std::string damage = damageText(page.blockDamage()); !damage.empty()) {
        IndexFinding finding = findingAt(finding::kDamagedBlock, page);
        finding.message = std::move(damage);
        findings.push_back(std::move(finding));
    }
    for (const KeptTarget& target : page.keptTargets()) {
        IndexFinding finding = findingAt(finding::kOrphanedEntries, page);
        if (target.isExclusion()) {
            finding.target = target.name;
            finding.message = "the page has no anchor \"" + target.name + "\" any more; it is kept excluded";
            findings.push_back(std::move(finding));
            continue;
        }
        finding.entry = target.entries.begin()->indexAs();
        if (target.pageItself) {
            finding.message = "the page is gone; its stored entries:";
        } else {
            finding.target = target.name;
            finding.message = "the page has no anchor \"" + target.name + "\" any more; its stored entries:";
        }
        const char* separator = " \"";
        for (const IndexEntry& entry : target.entries) {
            finding.message.append(separator).append(entry.indexAs()).append("\"");
            separator = ", \"";
        }
        findings.push_back(std::move(finding));
    }
}

} // namespace torvane

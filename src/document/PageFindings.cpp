#include "document/PageFindings.h"

#include "model/NodeKindMask.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "sources/BlockRecords.h"

namespace torvane {

void addPageFindings(const SourceFile& file, std::vector<PageFinding>& findings)
{
    if (std::string damage = describeBlockDamage(file.blockDamage()); !damage.empty())
        findings.push_back({file.fullPath(), {}, {}, PageFindingKind::DamagedBlock, std::move(damage)});
    for (const KeptTarget& kept : file.keptTargets()) {
        PageFinding& finding = findings.emplace_back();
        finding.page = file.fullPath();
        finding.oldTarget = kept.name;
        for (const IndexEntry& entry : kept.entries)
            finding.entries.emplace_back(entry.indexAs());
    }
}

std::vector<PageFinding> pageFindings(ProjectRootNode& root)
{
    std::vector<ProjectNode*> files;
    root.collect(files, NodeKindMask::File);
    std::vector<PageFinding> findings;
    for (ProjectNode* node : files)
        addPageFindings(static_cast<const SourceFile&>(*node), findings);
    return findings;
}

std::string findingLine(const PageFinding& finding)
{
    if (finding.kind == PageFindingKind::DamagedBlock)
        return finding.page + ": " + finding.detail;
    if (finding.entries.empty())
        return finding.page + ": exclusion of the missing target \"" + finding.oldTarget + "\"";
    std::string line = finding.page + ": entries of the missing target \"" + finding.oldTarget + "\": ";
    for (std::size_t i = 0; i < finding.entries.size(); ++i)
        line += (i ? "; " : "") + finding.entries[i];
    return line;
}

} // namespace torvane

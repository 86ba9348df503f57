#include "document/StalePages.h"

#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "platform/TextUtil.h"
#include "sources/CommentBlock.h"

#include <map>
#include <string>
#include <vector>

namespace torvane {

namespace {

std::vector<SourceFile*> filesOf(ProjectRootNode& root)
{
    std::vector<ProjectNode*> nodes;
    root.collect(nodes, NodeKindMask::File);
    std::vector<SourceFile*> files;
    files.reserve(nodes.size());
    for (ProjectNode* node : nodes)
        files.push_back(static_cast<SourceFile*>(node));
    return files;
}

// What a rewrite would put into the page.
std::string storedForm(const SourceFile& file) { return buildMetaTags(file) + buildCommentBlock(file); }

} // namespace

void markPagesDifferingFromDisk(ProjectRootNode& restored, ProjectRootNode& current)
{
    // Files are keyed like the tree keys them: without regard to letter case.
    std::map<std::string, SourceFile*> currentFiles;
    for (SourceFile* file : filesOf(current))
        currentFiles.emplace(asciiLower(file->relativePath()), file);

    for (SourceFile* file : filesOf(restored)) {
        if (file->isModified() || file->isMissing())
            continue;
        auto match = currentFiles.find(asciiLower(file->relativePath()));
        const bool agrees = match != currentFiles.end() && !match->second->isModified() &&
                            storedForm(*match->second) == storedForm(*file);
        if (!agrees)
            file->setModified(true);
    }
}

} // namespace torvane

#include "document/PageLocations.h"

#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "platform/TextUtil.h"

namespace torvane {

PageLocations::PageLocations(const std::string& projectDirectory, ProjectRootNode& root)
    : projectDirectory_(projectDirectory)
    , resolvedProject_(resolvedPath(projectDirectory))
{
    if (!resolvedProject_.empty() && resolvedProject_.back() != '/')
        resolvedProject_ += '/';
    std::vector<ProjectNode*> files;
    root.collect(files, NodeKindMask::File);
    for (ProjectNode* file : files)
        add(static_cast<SourceFile&>(*file), fileIdentity(static_cast<SourceFile&>(*file).fullPath()));
}

PageLocations::Located PageLocations::locate(const std::string& fullPath) const
{
    PathFacts facts = pathFacts(fullPath);
    if (facts.identity)
        return {fullPath, facts};
    std::string spelled = spelledAsOnDisk(fullPath);
    if (spelled != fullPath)
        facts = pathFacts(spelled);
    return {std::move(spelled), facts};
}

std::string PageLocations::spelledAsOnDisk(const std::string& fullPath) const
{
    if (projectDirectory_.empty() || fullPath.compare(0, projectDirectory_.size(), projectDirectory_) != 0)
        return fullPath;
    std::string folder = projectDirectory_;
    std::size_t start = projectDirectory_.size();
    while (start < fullPath.size()) {
        std::size_t end = fullPath.find_first_of("/\\", start);
        if (end == std::string::npos)
            end = fullPath.size();
        std::string name = fullPath.substr(start, end - start);
        if (!name.empty() && !fileExists(folder + name)) {
            DirectoryEntries entries;
            if (listDirectory(folder, entries).failed())
                return fullPath;
            std::string match;
            int matches = 0;
            for (const auto* list : {&entries.folders, &entries.files})
                for (const std::string& entry : *list)
                    if (equalsNoCase(entry, name)) {
                        match = entry;
                        ++matches;
                    }
            if (matches != 1)
                return fullPath;
            name = match;
        }
        folder += name;
        if (end < fullPath.size())
            folder += '/';
        start = end + 1;
    }
    return folder;
}

SourceFile* PageLocations::sameFileElsewhere(const Located& page) const
{
    if (!page.facts.identity)
        return nullptr;
    const auto found = pages_.find(*page.facts.identity);
    if (found == pages_.end() || found->second->fullPath() == page.path)
        return nullptr;
    return found->second;
}

PageLocations::Located PageLocations::asInTree(const SourceFile& file, const Located& page)
{
    std::string path = file.fullPath();
    if (path == page.path)
        return page;
    PathFacts facts = pathFacts(path);
    return {std::move(path), facts};
}

void PageLocations::add(SourceFile& file, const Located& page)
{
    add(file, page.facts.identity);
}

void PageLocations::add(SourceFile& file, const std::optional<FileIdentity>& identity)
{
    if (identity)
        pages_.emplace(*identity, &file);
}

const std::string& PageLocations::resolvedFolder(const std::string& folder)
{
    const auto [found, isNew] = resolvedFolders_.try_emplace(folder);
    if (isNew)
        found->second = resolvedPath(folder);
    return found->second;
}

bool PageLocations::isOutsideProject(const Located& page)
{
    if (!page.facts.identity || resolvedProject_.empty())
        return false;
    std::string resolved;
    const std::size_t slash = page.path.rfind('/');
    if (page.facts.isLink || slash == std::string::npos) {
        resolved = resolvedPath(page.path);
    } else {
        // A page that is no link lies where its folder does: one realpath per folder, not per page.
        const std::string& folder = resolvedFolder(page.path.substr(0, slash == 0 ? 1 : slash));
        if (folder.empty())
            return false;
        resolved = folder + (folder.ends_with('/') ? "" : "/") + page.path.substr(slash + 1);
    }
    return !resolved.empty() && resolved.compare(0, resolvedProject_.size(), resolvedProject_) != 0;
}

} // namespace torvane

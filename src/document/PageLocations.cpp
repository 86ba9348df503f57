#include "document/PageLocations.h"

#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "platform/TextUtil.h"

namespace torvane {

PageLocations::PageLocations(const std::string& projectDirectory, ProjectRootNode& root)
    : projectDirectory_(projectDirectory), resolvedProject_(resolvedPath(projectDirectory))
{
    if (!resolvedProject_.empty() && resolvedProject_.back() != '/')
        resolvedProject_ += '/';
    std::vector<ProjectNode*> files;
    root.collect(files, NodeKindMask::File);
    for (ProjectNode* file : files)
        add(static_cast<SourceFile&>(*file));
}

std::string PageLocations::spelledAsOnDisk(const std::string& fullPath) const
{
    if (projectDirectory_.empty() || fullPath.compare(0, projectDirectory_.size(), projectDirectory_) != 0 ||
        fileExists(fullPath))
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

SourceFile* PageLocations::sameFileElsewhere(const std::string& fullPath) const
{
    const std::optional<FileIdentity> identity = fileIdentity(fullPath);
    if (!identity)
        return nullptr;
    const auto found = pages_.find(*identity);
    if (found == pages_.end() || found->second->fullPath() == fullPath)
        return nullptr;
    return found->second;
}

void PageLocations::add(SourceFile& page)
{
    if (const std::optional<FileIdentity> identity = fileIdentity(page.fullPath()))
        pages_.emplace(*identity, &page);
}

bool PageLocations::isOutsideProject(const std::string& fullPath) const
{
    const std::string resolved = resolvedPath(fullPath);
    return !resolved.empty() && !resolvedProject_.empty() &&
           resolved.compare(0, resolvedProject_.size(), resolvedProject_) != 0;
}

} // namespace torvane

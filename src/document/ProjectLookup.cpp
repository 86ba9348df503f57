#include "document/ProjectLookup.h"
#include "model/ExternalUrl.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "platform/TextUtil.h"
#include <algorithm>

namespace torvane {

namespace {

std::string slashPath(std::string_view path)
{
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    while (result.starts_with("./"))
        result.erase(0, 2);
    return result;
}

template <typename Node>
std::vector<Node*> nodesOf(ProjectRootNode& root, unsigned mask)
{
    std::vector<ProjectNode*> nodes;
    root.collect(nodes, mask);
    std::vector<Node*> typed;
    typed.reserve(nodes.size());
    for (ProjectNode* node : nodes)
        typed.push_back(static_cast<Node*>(node));
    return typed;
}

} // namespace

std::vector<SourceFile*> listedPages(ProjectRootNode& root)
{
    return nodesOf<SourceFile>(root, NodeKindMask::File);
}

std::vector<ExternalUrl*> listedUrls(ProjectRootNode& root)
{
    return nodesOf<ExternalUrl>(root, NodeKindMask::Url);
}

SourceFile* findPage(ProjectRootNode& root, std::string_view relativePath)
{
    const std::string wanted = slashPath(relativePath);
    SourceFile* nearly = nullptr;
    for (SourceFile* file : listedPages(root)) {
        const std::string path = file->relativeUrl();
        if (path == wanted)
            return file;
        if (!nearly && equalsNoCase(path, wanted))
            nearly = file;
    }
    return nearly;
}

ExternalUrl* findUrl(ProjectRootNode& root, std::string_view url)
{
    for (ExternalUrl* listed : listedUrls(root)) {
        if (listed->label() == url)
            return listed;
    }
    return nullptr;
}

EntryHolder* findTarget(ProjectRootNode& root, std::string_view text)
{
    if (ExternalUrl* url = findUrl(root, text))
        return url;
    if (SourceFile* page = findPage(root, text))
        return page;
    const std::size_t hash = text.rfind('#');
    if (hash == std::string_view::npos)
        return nullptr;
    SourceFile* page = findPage(root, text.substr(0, hash));
    const std::string_view anchor = text.substr(hash + 1);
    if (!page || anchor.empty())
        return page;
    return page->findTarget(anchor);
}

void selectOnly(ProjectRootNode& root, const std::vector<ProjectNode*>& nodes)
{
    root.applyTreeSelection(root, false, false);
    root.setSelected(false);
    for (ProjectNode* node : nodes) {
        // A collapsed node would hand its selection down to its children.
        node->setExpanded(true);
        node->setSelected(true);
    }
}

} // namespace torvane

#include "document/TargetLookup.h"
#include "document/ProjectLookup.h"
#include "model/ExternalUrl.h"
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

} // namespace

TargetLookup::TargetLookup(ProjectRootNode& root)
{
    for (SourceFile* file : listedPages(root)) {
        std::string path = file->relativeUrl();
        foldedPages_.try_emplace(asciiLower(path), file);
        pages_.try_emplace(std::move(path), file);
    }
    for (ExternalUrl* url : listedUrls(root))
        urls_.try_emplace(url->label(), url);
}

SourceFile* TargetLookup::findPage(std::string_view relativePath) const
{
    const std::string wanted = slashPath(relativePath);
    if (const auto exact = pages_.find(wanted); exact != pages_.end())
        return exact->second;
    const auto nearly = foldedPages_.find(asciiLower(wanted));
    return nearly == foldedPages_.end() ? nullptr : nearly->second;
}

ExternalUrl* TargetLookup::findUrl(std::string_view url) const
{
    const auto found = urls_.find(url);
    return found == urls_.end() ? nullptr : found->second;
}

EntryHolder* TargetLookup::findTarget(std::string_view text) const
{
    if (ExternalUrl* url = findUrl(text))
        return url;
    if (SourceFile* page = findPage(text))
        return page;
    const std::size_t hash = text.rfind('#');
    if (hash == std::string_view::npos)
        return nullptr;
    SourceFile* page = findPage(text.substr(0, hash));
    const std::string_view anchor = text.substr(hash + 1);
    if (!page || anchor.empty())
        return page;
    return page->findTarget(anchor);
}

std::string TargetLookup::whyNotFound(std::string_view text) const
{
    const std::size_t hash = text.rfind('#');
    if (hash != std::string_view::npos && hash + 1 < text.size())
        if (const SourceFile* page = findPage(text.substr(0, hash)))
            return page->relativeUrl() + " has no target named " + std::string(text.substr(hash + 1));
    return "not a page, anchor or URL of the project";
}

} // namespace torvane

#include "model/ExternalUrlsNode.h"

namespace torvane {

ExternalUrlsNode::ExternalUrlsNode()
    : ProjectNode("External URLs", NodeIcon::Container)
{
}

ExternalUrlsNode::~ExternalUrlsNode()
{
    urls_.clear();
}

ExternalUrl& ExternalUrlsNode::findOrCreateUrl(std::string_view url)
{
    auto position = urls_.lower_bound(url);
    if (position != urls_.end() && !urls_.key_comp()(url, position->first))
        return *position->second;
    auto created = std::make_unique<ExternalUrl>(std::string(url));
    ExternalUrl& node = *created;
    urls_.emplace_hint(position, std::string(url), std::move(created));
    adoptChild(node);
    return node;
}

ExternalUrl* ExternalUrlsNode::findUrl(std::string_view url) const
{
    auto found = urls_.find(url);
    return found == urls_.end() ? nullptr : found->second.get();
}

void ExternalUrlsNode::removeUrl(ExternalUrl* url)
{
    auto found = urls_.find(url->label());
    if (found != urls_.end() && found->second.get() == url)
        urls_.erase(found);
}

std::unique_ptr<ExternalUrl> ExternalUrlsNode::exchangeUrl(std::string_view url, std::unique_ptr<ExternalUrl> incoming)
{
    return exchangeChild(urls_, url, std::move(incoming));
}

std::vector<ExternalUrl*> ExternalUrlsNode::urls() const
{
    std::vector<ExternalUrl*> list;
    for (const auto& [key, url] : urls_)
        list.push_back(url.get());
    return list;
}

void ExternalUrlsNode::forEachChild(const std::function<void(ProjectNode&)>& action)
{
    for (const auto& [key, url] : urls_)
        action(*url);
}

ProjectNode* ExternalUrlsNode::findChild(std::string_view label)
{
    ProjectNode* url = findUrl(label);
    return url && url->label() == label ? url : nullptr;
}

} // namespace torvane

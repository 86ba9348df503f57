#include "model/ExternalUrl.h"

#include "model/ExternalUrlsNode.h"

namespace torvane {

ExternalUrl::ExternalUrl(std::string url)
    : EntryHolder(std::move(url), NodeIcon::Url, EntryKind::UrlDefault, EntryKind::UrlEntry, true)
{
}

ExternalUrl::ExternalUrl(const ExternalUrl& other, ExternalUrlsNode* container)
    : EntryHolder(other, container)
{
}

ExternalUrlsNode* ExternalUrl::container() const
{
    return static_cast<ExternalUrlsNode*>(parent());
}

std::string ExternalUrl::relativeUrl() const
{
    return label();
}

void ExternalUrl::removeFromParent()
{
    if (container())
        container()->removeUrl(this);
}

} // namespace torvane

#include "model/Target.h"

#include "model/SourceFile.h"

namespace torvane {

Target::Target(std::string name, bool fromId)
    : EntryHolder(std::move(name), fromId ? NodeIcon::IdTarget : NodeIcon::Target, EntryKind::TargetDefaultEmpty,
                  EntryKind::TargetEntry, true)
{
    if (fromId)
        offerDefaultOnly();
}

Target::Target(const Target& other, SourceFile* file)
    : EntryHolder(other, file)
{
}

SourceFile* Target::file() const
{
    return static_cast<SourceFile*>(parent());
}

std::string Target::relativeUrl() const
{
    return relativeUrlInFile(file() ? file()->relativeUrl() : std::string());
}

std::string Target::relativeUrlInFile(std::string_view fileUrl) const
{
    std::string url;
    url.reserve(fileUrl.size() + 1 + label().size());
    url += fileUrl;
    url += '#';
    url += label();
    return url;
}

void Target::setModified(bool modified)
{
    if (file())
        file()->setModified(modified);
}

} // namespace torvane

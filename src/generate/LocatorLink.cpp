#include "generate/LocatorLink.h"
#include <cstring>

namespace torvane {

LocatorLink LocatorLink::packed(char*& at, const Texts& texts, std::uint32_t holderNumber)
{
    LocatorLink link;
    link.texts_ = at;
    link.holderNumber_ = holderNumber;
    const bool helpAsShared = texts[HelpAs] == texts[IndexAs];
    const std::size_t stored = helpAsShared ? std::size_t {HelpAs} : kTexts;
    for (std::size_t i = 0; i < stored; ++i) {
        const std::string_view piece = texts[i];
        link.lengths_[i] = static_cast<std::uint32_t>(piece.size());
        if (piece.empty())
            continue;
        std::memcpy(at, piece.data(), piece.size());
        at += piece.size();
    }
    if (helpAsShared)
        link.lengths_[HelpAs] = kSharedText;
    return link;
}

std::size_t LocatorLink::storedSize() const
{
    std::size_t size = 0;
    for (std::size_t i = 0; i < HelpAs; ++i)
        size += lengths_[i];
    return lengths_[HelpAs] == kSharedText ? size : size + lengths_[HelpAs];
}

} // namespace torvane

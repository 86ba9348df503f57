#include "generate/LocatorLink.h"
#include <cstring>

namespace torvane {

LocatorLink LocatorLink::packed(char*& at, const Texts& texts, std::uint32_t holderNumber)
{
    LocatorLink link;
    link.texts_ = at;
    link.holderNumber_ = holderNumber;
    link.helpAsShared_ = texts[HelpAs] == texts[IndexAs];
    const std::size_t stored = link.helpAsShared_ ? std::size_t{HelpAs} : kTexts;
    for (std::size_t i = 0; i < stored; ++i) {
        const std::string_view piece = texts[i];
        link.lengths_[i] = static_cast<std::uint32_t>(piece.size());
        if (piece.empty()) continue;
        std::memcpy(at, piece.data(), piece.size());
        at += piece.size();
    }
    if (link.helpAsShared_) link.lengths_[HelpAs] = link.lengths_[IndexAs];
    return link;
}

std::size_t LocatorLink::storedSize() const
{
    std::size_t size = 0;
    for (std::size_t i = 0; i < kTexts; ++i) size += lengths_[i];
    return helpAsShared_ ? size - lengths_[HelpAs] : size;
}

} // namespace torvane

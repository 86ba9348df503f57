#pragma once

#include "model/EntryHolder.h"

namespace torvane {

class ExternalUrlsNode;

// A URL outside the project that is indexed like a page.
class ExternalUrl : public EntryHolder {
public:
    explicit ExternalUrl(std::string url);
    ExternalUrl(const ExternalUrl& other, ExternalUrlsNode* container);

    unsigned kindBit() const override { return NodeKindMask::Url; }
    ExternalUrlsNode* container() const;

    // The URL as entered.
    std::string relativeUrl() const override;
    void removeFromParent() override;
};

} // namespace torvane

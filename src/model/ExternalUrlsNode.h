#pragma once

#include "model/ExternalUrl.h"
#include "model/KeyLess.h"
#include "model/ProjectNode.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The container of the external URLs.
class ExternalUrlsNode : public ProjectNode {
public:
    ExternalUrlsNode();
    ~ExternalUrlsNode() override;

    unsigned kindBit() const override { return NodeKindMask::ExternalUrls; }

    ExternalUrl& findOrCreateUrl(std::string_view url);
    ExternalUrl* findUrl(std::string_view url) const;
    void removeUrl(ExternalUrl* url);
    // Puts `incoming` (may be null) in place of the URL keyed `url` and
    // returns that URL detached (null when there was none).
    std::unique_ptr<ExternalUrl> exchangeUrl(std::string_view url, std::unique_ptr<ExternalUrl> incoming);
    std::vector<ExternalUrl*> urls() const;

    void forEachChild(const std::function<void(ProjectNode&)>& action) override;

    ProjectNode* findChild(std::string_view label) override;

private:
    std::map<std::string, std::unique_ptr<ExternalUrl>, KeyLess> urls_ {
        KeyLess {KeyCompareMode::CaseInsensitiveThenExact}};
};

} // namespace torvane

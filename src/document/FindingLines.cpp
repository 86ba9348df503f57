#include "document/FindingLines.h"
#include "platform/FileAccess.h"
#include "platform/TextUtil.h"
#include <algorithm>
#include <map>

namespace torvane {

namespace {

// One page's text, with where its lines start, read when first needed.
class PageLines {
public:
    explicit PageLines(const std::string& path)
    {
        std::string text;
        readable_ = !readWholeFile(path, text).failed();
        lower_ = asciiLower(text);
        for (std::size_t at = lower_.find('\n'); at != std::string::npos; at = lower_.find('\n', at + 1))
            newlines_.push_back(at);
        block_ = lower_.find("<!-- html torvane");
    }

    int lineOf(const std::string& target) const
    {
        if (!readable_)
            return 0;
        if (block_ == std::string::npos)
            return 1;
        // A block of another letter case is still the block.
        const std::size_t stored = target.empty() || target == "#"
                                       ? std::string::npos
                                       : lower_.find("target=\"" + asciiLower(target) + "\"", block_);
        return lineAt(stored == std::string::npos ? block_ : stored);
    }

private:
    int lineAt(std::size_t offset) const
    {
        const auto before = std::lower_bound(newlines_.begin(), newlines_.end(), offset);
        return static_cast<int>(before - newlines_.begin()) + 1;
    }

    bool readable_ = false;
    std::string lower_;
    std::vector<std::size_t> newlines_;
    std::size_t block_ = std::string::npos;
};

} // namespace

std::vector<int> findingLines(const std::string& projectDirectory, const std::vector<IndexFinding>& findings)
{
    std::map<std::string, PageLines, std::less<>> pages;
    std::vector<int> lines;
    lines.reserve(findings.size());
    for (const IndexFinding& finding : findings) {
        if (finding.page.empty()) {
            lines.push_back(0);
            continue;
        }
        auto page = pages.find(finding.page);
        if (page == pages.end())
            page = pages.try_emplace(finding.page, projectDirectory + finding.page).first;
        lines.push_back(page->second.lineOf(finding.target));
    }
    return lines;
}

} // namespace torvane

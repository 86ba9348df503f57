#include "document/StoredBlockChecks.h"
#include "document/EntryChecks.h"
#include "model/SourceFile.h"
#include "platform/FileAccess.h"
#include "platform/TextUtil.h"
#include "sources/BlockRecords.h"
#include <algorithm>

namespace torvane {

namespace {

constexpr std::string_view kStartMarker = "<!-- HTML Torvane";
constexpr std::string_view kEndMarker = "HTML Torvane -->";

std::vector<std::size_t> startsOf(std::string_view lowerText)
{
    const std::string lowerMarker = asciiLower(kStartMarker);
    std::vector<std::size_t> starts;
    for (std::size_t at = lowerText.find(lowerMarker); at != std::string_view::npos;
         at = lowerText.find(lowerMarker, at + 1))
        starts.push_back(at);
    return starts;
}

std::string damageOf(std::string_view text, std::string_view lowerText, const std::vector<std::size_t>& starts)
{
    if (starts.size() > 1)
        return "the page holds " + std::to_string(starts.size()) + " index comment blocks";
    if (lowerText.find(asciiLower(kEndMarker), starts.front()) == std::string_view::npos)
        return "the index comment block has no end marker";
    if (text.substr(starts.front(), kStartMarker.size()) != kStartMarker ||
        text.find(kEndMarker, starts.front()) == std::string_view::npos)
        return "the index comment block's markers are in other letter case";
    return {};
}

struct VanishedTarget {
    std::string name;
    std::vector<std::string> entries;
};

std::vector<VanishedTarget> vanishedTargets(const SourceFile& page, std::string_view text)
{
    std::vector<VanishedTarget> vanished;
    VanishedTarget* current = nullptr;
    for (const auto& record : readBlockRecords(text)) {
        const std::string& name = record.first;
        const std::string& value = record.second;
        if (name == "Target") {
            current = nullptr;
            if (value == "#" || page.findTarget(value))
                continue;
            auto known = std::find_if(vanished.begin(), vanished.end(),
                                      [&](const VanishedTarget& target) { return target.name == value; });
            current = known != vanished.end() ? &*known : &vanished.emplace_back(VanishedTarget{value, {}});
        } else if (current && name == "IndexAs" && !value.empty()) {
            current->entries.push_back(value);
        }
    }
    return vanished;
}

} // namespace

void checkStoredBlock(const SourceFile& page, std::vector<IndexFinding>& findings)
{
    std::string text;
    if (readWholeFile(page.fullPath(), text).failed())
        return;
    const std::string lowerText = asciiLower(text);
    const std::vector<std::size_t> starts = startsOf(lowerText);
    if (starts.empty())
        return;
    if (std::string damage = damageOf(text, lowerText, starts); !damage.empty()) {
        IndexFinding finding = findingAt(finding::kDamagedBlock, page);
        finding.message = std::move(damage);
        findings.push_back(std::move(finding));
    }
    for (const VanishedTarget& target : vanishedTargets(page, text)) {
        if (target.entries.empty())
            continue;
        IndexFinding finding = findingAt(finding::kOrphanedEntries, page);
        finding.target = target.name;
        finding.entry = target.entries.front();
        finding.message = "the page has no anchor \"" + target.name + "\" any more; its stored entries:";
        for (std::size_t at = 0; at < target.entries.size(); ++at)
            finding.message += (at ? ", \"" : " \"") + target.entries[at] + "\"";
        findings.push_back(std::move(finding));
    }
}

} // namespace torvane

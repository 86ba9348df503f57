#pragma once

#include "model/EntryRecord.h"

#include <memory>
#include <string>
#include <string_view>

namespace torvane {

// One index entry of a file, target or external URL. Field texts are kept in
// their stored, escaped form; only the sort key is computed unescaped.
class IndexEntry : public EntryRecord {
public:
    explicit IndexEntry(EntryKind kind = EntryKind::TargetEntry);
    IndexEntry(const IndexEntry& other);

    // A default entry: IndexAs, SortAs and HelpAs from `text`, HelpTitle "Untitled".
    static std::unique_ptr<IndexEntry> fromText(std::string_view text, EntryKind kind);

    void setFromText(std::string_view text);
    void setTexts(std::string_view indexAs, std::string_view helpAs, std::string_view helpTitle,
                  std::string_view sortAs);
    void setTargets(std::string_view indexTarget, std::string_view helpWindow,
                    std::string_view helpFrame);

    const std::string& indexAs() const { return indexAs_; }
    const std::string& sortAs() const { return sortAs_; }
    const std::string& helpAs() const { return helpAs_; }
    const std::string& helpTitle() const { return helpTitle_; }
    const std::string& indexTarget() const { return indexTarget_; }
    const std::string& helpWindow() const { return helpWindow_; }
    const std::string& helpFrame() const { return helpFrame_; }

    // SortAs case-insensitively, then the other six fields byte by byte.
    // Entries where neither precedes the other are duplicates.
    bool lessThan(const IndexEntry& other) const;

    std::string linkUrl() const override;
    void removeFromOwner() override;
    bool isDefault() const override;

private:
    std::string indexAs_;
    std::string sortAs_;
    std::string helpAs_;
    std::string helpTitle_;
    std::string indexTarget_;
    std::string helpWindow_;
    std::string helpFrame_;
};

}  // namespace torvane

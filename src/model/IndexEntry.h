#pragma once

#include "model/EntryRecord.h"

#include <cstddef>
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
    void setTargets(std::string_view indexTarget, std::string_view helpWindow, std::string_view helpFrame);
    // setTexts and setTargets in one.
    void setFields(std::string_view indexAs, std::string_view helpAs, std::string_view helpTitle,
                   std::string_view sortAs, std::string_view indexTarget, std::string_view helpWindow,
                   std::string_view helpFrame);

    std::string_view indexAs() const { return ownText(IndexAs); }
    std::string_view sortAs() const { return ownText(SortAs); }
    std::string_view helpAs() const { return ownText(HelpAs); }
    std::string_view helpTitle() const { return ownText(HelpTitle); }
    std::string_view indexTarget() const { return ownText(IndexTarget); }
    std::string_view helpWindow() const { return ownText(HelpWindow); }
    std::string_view helpFrame() const { return ownText(HelpFrame); }

    // SortAs case-insensitively, then the other six fields byte by byte.
    // Entries where neither precedes the other are duplicates.
    bool lessThan(const IndexEntry& other) const;

    std::string linkUrl() const override;
    void removeFromOwner() override;
    bool isDefault() const override;

private:
    // Where each field lies among the record's own texts.
    enum Field : std::size_t { IndexAs, SortAs, HelpAs, HelpTitle, IndexTarget, HelpWindow, HelpFrame };
};

} // namespace torvane

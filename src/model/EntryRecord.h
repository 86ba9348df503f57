#pragma once

#include "model/EntryKind.h"
#include "model/RecordTexts.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace torvane {

class ProjectNode;

// Common part of index entries and cross-references: the sort data used by
// the index generator and the marks used by the list view. Records belong to
// one node of the project tree; a copy belongs to nobody until attached.
class EntryRecord {
public:
    virtual ~EntryRecord() = default;
    EntryRecord& operator=(const EntryRecord&) = delete;

    // The sort text with escapes resolved, its lower-case form, and the
    // letter group: 2 letter, 1 digit, 0 anything else or empty.
    std::string_view sortKey() const { return texts_[0]; }
    std::string_view sortKeyLower() const { return texts_[1]; }
    int groupClass() const { return groupClass_; }
    // Asks for the record's texts ahead of reading them (see RecordTexts::fetchAhead).
    void fetchTextsAhead() const { texts_.fetchAhead(); }

    ProjectNode* owner() const { return owner_; }
    // A marked record tells its owner, so that marks are found without a walk.
    void setOwner(ProjectNode* owner);

    EntryKind kind() const { return kind_; }
    void setKind(EntryKind kind) { kind_ = kind; }
    int iconIndex() const { return static_cast<int>(kind_); }

    bool isListSelected() const { return listSelected_; }
    void setListSelected(bool selected);

    // Link of the owner relative to the project directory; "" when unowned.
    virtual std::string linkUrl() const;
    std::string linkUrlLower() const;
    // Has the owner remove and destroy this record; `this` is gone afterwards.
    virtual void removeFromOwner();
    virtual bool isDefault() const;

protected:
    explicit EntryRecord(EntryKind kind);
    // Copies every field except the owner.
    EntryRecord(const EntryRecord& other);

    // Keeps the sort data made from `sortText` and the record's own texts
    // (at most fourteen, read back with ownText) in one allocation. The
    // views may point into the texts being replaced.
    void storeTexts(std::string_view sortText, std::initializer_list<std::string_view> own);
    std::string_view ownText(std::size_t index) const { return texts_[2 + index]; }

private:
    ProjectNode* owner_ = nullptr;
    RecordTexts texts_;
    EntryKind kind_;
    unsigned char groupClass_ = 0;
    bool listSelected_ = false;
};

} // namespace torvane

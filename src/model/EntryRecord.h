#pragma once

#include "model/EntryKind.h"

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
    const std::string& sortKey() const { return sortKey_; }
    const std::string& sortKeyLower() const { return sortKeyLower_; }
    int groupClass() const { return groupClass_; }

    ProjectNode* owner() const { return owner_; }
    // A marked record tells its owner, so that marks are found without a walk.
    void setOwner(ProjectNode* owner);

    EntryKind kind() const { return kind_; }
    void setKind(EntryKind kind);
    int iconIndex() const { return iconIndex_; }

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

    void updateSortData(std::string_view sortText);

private:
    std::string sortKey_;
    std::string sortKeyLower_;
    int groupClass_ = 0;
    ProjectNode* owner_ = nullptr;
    EntryKind kind_;
    bool listSelected_ = false;
    int iconIndex_ = 0;
};

}  // namespace torvane

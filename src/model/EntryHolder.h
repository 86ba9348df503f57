#pragma once

#include "model/EntryKind.h"
#include "model/IndexEntry.h"
#include "model/IndexEntryOrder.h"
#include "model/ProjectNode.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// A node that is indexed: a file, a target or an external URL. It always has
// a default entry (derived from the page or empty) and a set of current
// entries without duplicates. In default mode the set is exactly the default
// entry; an excluded holder has no entries and contributes nothing.
class EntryHolder : public ProjectNode {
public:
    ~EntryHolder() override;

    bool isExcluded() const { return excluded_; }
    bool isExcludedFromIndex() const override { return excluded_; }
    bool usesDefault() const { return usesDefault_; }
    // In default mode the default entry is only offered: it stays out of the
    // set, and so out of the index, until it is accepted as a regular entry.
    bool offersDefaultOnly() const { return offersDefaultOnly_; }
    // Made from the default's text on the first request, then kept: most
    // holders are never asked for theirs.
    IndexEntry* defaultEntry() const;
    // Whether `entry` is this holder's default entry object (none is made to tell).
    bool isDefaultObject(const IndexEntry* entry) const { return entry && defaultEntry_.get() == entry; }

    // Leaves default mode, gives the entry the holder's regular kind and
    // keeps it unless an equal entry is present (then it is destroyed).
    IndexEntry* addEntry(std::unique_ptr<IndexEntry> entry) override;
    // Removes and destroys the entry equal to `entry` (the default entry is
    // only taken out of the set). An emptied set means: excluded when the
    // default entry was removed, back to default mode otherwise.
    void removeEntry(IndexEntry* entry);
    void setExcluded(bool excluded) override;
    void setUsesDefault(bool usesDefault);
    // Installs a better default entry (from the page's heading, title or
    // anchor text), destroying the old one.
    void setDefaultEntry(std::unique_ptr<IndexEntry> entry);
    // The same with IndexEntry::fromText(text, kind), made in the old default
    // entry object when there is one; otherwise only the text is kept.
    void setDefaultEntry(std::string_view text, EntryKind kind);

    // Current entries in entry order.
    std::vector<IndexEntry*> entries() const;
    void listEntries(std::vector<IndexEntry*>& out) const;
    std::size_t entryCount() const;
    std::size_t ownRecordCount() const override { return entryCount(); }

    EntryKind regularKind() const { return regularKind_; }

    std::string relativeUrl() const override = 0;

protected:
    EntryHolder(std::string label, int iconKind, EntryKind defaultKind, EntryKind regularKind, bool startInDefaultMode);
    // Copies state and records; the copies belong to this holder.
    EntryHolder(const EntryHolder& other, ProjectNode* parent);

    void visitRecords(NodeVisitor& visitor) override;
    // Replaces the default entry by an empty one of `kind` outside the set;
    // regular entries stay.
    void resetDefaultEntry(EntryKind kind);
    // From now on the default entry is offered, not used (see offersDefaultOnly).
    void offerDefaultOnly();

private:
    void clearRegularEntries();
    // The tree shows an excluded target apart, so a change must reach it.
    void markExcluded(bool excluded);
    void placeNewDefaultEntry();
    // The regular entry equal to `entry`, or end.
    std::vector<std::unique_ptr<IndexEntry>>::iterator findRegular(const IndexEntry& entry);

    // Null until asked for; then it is the default and defaultText_ is unused.
    mutable std::unique_ptr<IndexEntry> defaultEntry_;
    mutable std::string defaultText_;
    // In entry order, without duplicates.
    std::vector<std::unique_ptr<IndexEntry>> regularEntries_;
    EntryKind defaultKind_;
    EntryKind regularKind_;
    bool excluded_ = false;
    bool usesDefault_ = false;
    // The set holds either the default entry alone (defaultInSet_) or the
    // regular entries, never both.
    bool defaultInSet_ = false;
    bool offersDefaultOnly_ = false;
};

} // namespace torvane

// The ten undoable project actions of CProjectDoc.
#include "document/CProjectDoc.h"
#include "document/StorablePaths.h"

#include "document/ActionScope.h"
#include "model/EntryHolder.h"
#include "model/ExternalUrl.h"
#include "platform/AppServices.h"

#include <algorithm>
#include <set>

namespace torvane {

namespace {

constexpr unsigned kSelectedHolders =
    NodeKindMask::SelectedOnly | NodeKindMask::File | NodeKindMask::Target | NodeKindMask::Url; // 0x80E0
constexpr unsigned kSelectedRemovable =
    NodeKindMask::SelectedOnly | NodeKindMask::File | NodeKindMask::Url | NodeKindMask::Locator; // 0x82A0
constexpr unsigned kSelectedNodes = NodeKindMask::SelectedOnly | NodeKindMask::AllNodes; // 0x8AFF

std::unique_ptr<CrossReference> crossReferenceFrom(const CrossReferenceValues& values)
{
    auto record = std::make_unique<CrossReference>();
    record->set(values.heading, values.headingSort, values.separator, values.reference, values.locator,
                values.locatorSort, values.linkToLocator);
    return record;
}

// The stored form of a plain text: a sort key holds the text with escapes
// resolved, so an accepted entry must escape its backslashes and double
// quotes again, or the saved block would end the value early.
std::string escapedField(std::string_view plain)
{
    std::string stored;
    stored.reserve(plain.size());
    for (char c : plain) {
        if (c == '\\' || c == '"')
            stored += '\\';
        stored += c;
    }
    return stored;
}

// The records in their given order, each once: a record handed in twice
// must not be removed twice.
template <typename Record>
std::vector<Record*> withoutRepeats(const std::vector<Record*>& records)
{
    std::vector<Record*> unique;
    std::set<const Record*> seen;
    for (Record* record : records)
        if (seen.insert(record).second)
            unique.push_back(record);
    return unique;
}

} // namespace

void CProjectDoc::finishAction(ActionScope& action, int hint, DocumentView* origin)
{
    action.commit();
    modified_ = true;
    updateAllViews(hint, origin);
}

void CProjectDoc::addFiles(const std::vector<std::string>& fullPaths, DocumentView* origin)
{
    if (addingFiles_)
        return;
    std::vector<std::string> storable, refused;
    for (const std::string& path : fullPaths)
        (projectFileCanHold(projectDirectory_, path) ? storable : refused).push_back(path);
    {
        ActionScope action(*this, ActionAddFiles);
        addingFiles_ = true;
        loadFiles(storable, &action);
        addingFiles_ = false;
        action.commit();
    }
    modified_ = true;
    reportLoadProblems();
    if (!refused.empty())
        services_.messages.showMessage(unstorablePagesMessage(refused));
    updateAllViews(HintFilesAdded, origin);
}

void CProjectDoc::addExternalUrl(std::string_view typed, DocumentView* origin)
{
    if (addingFiles_)
        return;
    const std::optional<std::string> url = urlToAdd(typed);
    if (!url)
        return;
    if (const std::string_view problem = urlStoreProblem(*url); !problem.empty()) {
        services_.messages.showMessage(problem);
        return;
    }
    ActionScope action(*this, ActionAddExternalUrls);
    const bool known = root_->externalUrls().findUrl(*url) != nullptr;
    ExternalUrl& added = root_->findOrCreateUrl(*url);
    if (!known)
        action.keepAbsence(added);
    finishAction(action, HintUrlAdded, origin);
}

void CProjectDoc::addIndexEntry(const IndexEntryValues& values, DocumentView* origin)
{
    if (addingFiles_)
        return;
    if (const std::string_view problem = unstorableProblem(values); !problem.empty()) {
        services_.messages.showMessage(problem);
        return;
    }
    // With nothing selected the step is still recorded, changing nothing,
    // so that every Add of the dialog is one step of the history.
    ActionScope action(*this, ActionAddIndexEntry);
    std::vector<ProjectNode*> holders;
    root_->collect(holders, kSelectedHolders);
    for (ProjectNode* holder : holders) {
        action.keepPriorState(*holder);
        holder->addEntry(entryFrom(values));
    }
    finishAction(action, HintEntryAdded, origin);
}

void CProjectDoc::removeSelected(DocumentView* origin)
{
    if (addingFiles_)
        return;
    std::vector<ProjectNode*> doomed;
    root_->collect(doomed, kSelectedRemovable);
    if (!doomed.empty()) {
        ActionScope action(*this, ActionRemoveFilesUrlsLocators);
        for (ProjectNode* node : doomed)
            action.keepPriorState(*node);
        for (ProjectNode* node : doomed)
            node->removeFromParent();
        std::vector<ProjectNode*> stillSelected;
        root_->collect(stillSelected, kSelectedNodes);
        if (std::find(stillSelected.begin(), stillSelected.end(), root_->currentNode()) == stillSelected.end()) {
            root_->applyTreeSelection(*root_, false, false);
            root_->setCurrentNode(root_.get());
        }
        action.commit();
        modified_ = true;
    }
    updateAllViews(HintRemoved, origin);
}

void CProjectDoc::excludeSelected(DocumentView* origin)
{
    if (addingFiles_)
        return;
    std::vector<ProjectNode*> holders;
    root_->collect(holders, kSelectedHolders);
    if (!holders.empty()) {
        ActionScope action(*this, ActionExcludeTargets);
        for (ProjectNode* holder : holders) {
            action.keepPriorState(*holder);
            holder->setExcluded(true);
        }
        action.commit();
        modified_ = true;
    }
    updateAllViews(HintExcluded, origin);
}

bool CProjectDoc::editIndexEntries(const std::vector<IndexEntry*>& selected, const IndexEntryDialog& dialog,
                                   DocumentView* origin)
{
    const std::vector<IndexEntry*> entries = withoutRepeats(selected);
    if (entries.empty() || addingFiles_)
        return false;
    const std::optional<IndexEntryValues> values = dialog(IndexEntryValues::of(*entries.front()));
    const std::string_view problem = values ? unstorableProblem(*values) : std::string_view();
    if (!problem.empty())
        services_.messages.showMessage(problem);
    if (!values || !problem.empty())
        return false;
    ActionScope action(*this, ActionEditIndexEntries);
    // All old entries go before any new one comes, so that a new entry is
    // never refused as equal to an old one that is about to leave.
    std::vector<ProjectNode*> holders;
    for (IndexEntry* entry : entries)
        if (ProjectNode* owner = entry->owner())
            action.keepPriorState(*owner);
    for (IndexEntry* entry : entries) {
        holders.push_back(entry->owner());
        entry->removeFromOwner();
    }
    for (ProjectNode* holder : holders) {
        auto replacement = entryFrom(*values);
        replacement->setListSelected(true);
        holder->addEntry(std::move(replacement));
    }
    finishAction(action, HintEntriesEdited, origin);
    return true;
}

void CProjectDoc::deleteRecords(const std::vector<EntryRecord*>& selected, DocumentView* origin)
{
    if (selected.empty() || addingFiles_)
        return;
    ActionScope action(*this, ActionDeleteEntriesAndCrossReferences);
    const std::vector<EntryRecord*> records = withoutRepeats(selected);
    for (EntryRecord* record : records)
        if (ProjectNode* owner = record->owner())
            action.keepPriorState(*owner);
    for (EntryRecord* record : records)
        record->removeFromOwner();
    finishAction(action, HintRecordsDeleted, origin);
}

void CProjectDoc::createCrossReference(const CrossReferenceValues& values, DocumentView* origin)
{
    if (addingFiles_)
        return;
    ActionScope action(*this, ActionCreateCrossReference);
    action.keepPriorState(root_->locators());
    root_->addCrossReference(crossReferenceFrom(values));
    finishAction(action, HintCrossReferenceCreated, origin);
}

void CProjectDoc::showEditedCrossReference(CrossReference& edited)
{
    // A changed locator text moves the record to another locator node, which
    // the list shows only once it is selected: select it alone, visible.
    ProjectNode* locator = edited.owner();
    if (locator && !locator->isSelected()) {
        for (ProjectNode* up = locator->parent(); up; up = up->parent())
            if (!up->isExpanded())
                up->setExpanded(true);
        root_->applyTreeSelection(*locator, false, false);
    }
    edited.setListSelected(true);
}

bool CProjectDoc::editCrossReference(CrossReference& record, const CrossReferenceDialog& dialog, DocumentView* origin)
{
    if (addingFiles_)
        return false;
    const std::optional<CrossReferenceValues> values = dialog(CrossReferenceValues::of(record));
    if (!values)
        return false;
    ActionScope action(*this, ActionEditCrossReference);
    action.keepPriorState(root_->locators());
    record.removeFromOwner();
    CrossReference* edited = root_->addCrossReference(crossReferenceFrom(*values));
    if (edited)
        showEditedCrossReference(*edited);
    finishAction(action, HintCrossReferenceEdited, origin);
    return true;
}

void CProjectDoc::acceptDefaultEntries(const std::vector<EntryRecord*>& records, DocumentView* origin)
{
    if (addingFiles_)
        return;
    std::vector<IndexEntry*> defaults;
    for (EntryRecord* record : withoutRepeats(records))
        if (record->isDefault() && !record->sortKey().empty())
            defaults.push_back(static_cast<IndexEntry*>(record));
    if (defaults.empty())
        return;
    ActionScope action(*this, ActionAcceptDefaultEntries);
    for (IndexEntry* entry : defaults) {
        action.keepPriorState(*entry->owner());
        auto accepted = std::make_unique<IndexEntry>();
        // The page's own text, escaped: its backslashes are text, not escapes.
        accepted->setFromText(escapedField(entry->sortAs()));
        accepted->setListSelected(true);
        // The default entry leaves the list; its mark must not come back
        // with it should the holder return to default mode.
        entry->setListSelected(false);
        entry->owner()->addEntry(std::move(accepted));
    }
    finishAction(action, HintDefaultsAccepted, origin);
}

std::vector<IndexEntry*> CProjectDoc::listSelectedEntries()
{
    std::vector<IndexEntry*> entries;
    root_->collectEntries(entries, NodeKindMask::SelectedOnly | NodeKindMask::Entries);
    std::erase_if(entries, [](const IndexEntry* entry) { return !entry->isListSelected(); });
    return entries;
}

std::vector<CrossReference*> CProjectDoc::listSelectedCrossReferences()
{
    std::vector<CrossReference*> records;
    root_->collectCrossReferences(records, NodeKindMask::SelectedOnly | NodeKindMask::CrossReferences);
    std::erase_if(records, [](const CrossReference* record) { return !record->isListSelected(); });
    return records;
}

std::vector<EntryRecord*> CProjectDoc::listSelectedRecords()
{
    std::vector<EntryRecord*> records;
    for (IndexEntry* entry : listSelectedEntries())
        records.push_back(entry);
    for (CrossReference* record : listSelectedCrossReferences())
        records.push_back(record);
    return records;
}

} // namespace torvane

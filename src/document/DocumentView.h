#pragma once

namespace torvane {

class CProjectDoc;

// What changed in a document, passed to its views when they refresh.
enum UpdateHint : int {
    HintNone = 0,
    HintFilesAdded = 1,
    HintUrlAdded = 2,
    HintEntryAdded = 3,
    HintTreeClick = 4,
    HintTreeKeyboard = 5,
    HintTreeExpandCollapse = 6,
    HintRemoved = 7,
    HintExcluded = 8,
    HintListClick = 9,
    HintTreeClickOutside = 10,
    HintListSorted = 11,
    HintListClickOutside = 12,
    HintListKeyboard = 13,
    HintRecordsDeleted = 14,
    HintEntriesEdited = 15,
    HintExpandAll = 16,
    HintCollapseAll = 17,
    HintUndo = 18,
    HintRedo = 19,
    HintSelectAssociated = 20,
    HintCrossReferenceCreated = 21,
    HintFocusMoved = 22,
    HintCrossReferenceEdited = 23,
    HintDefaultsAccepted = 24,
};

// A view of a project document (the tree or the list of a project window,
// or anything else that shows the model). The document calls it after every
// change with the change's hint and the view where the change started, and
// before any change that may free or replace records and nodes: from then on
// the view must not use what it points at in the tree until it is told of
// the change.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    virtual void documentChanging(CProjectDoc&) {}
    virtual void documentChanged(CProjectDoc& document, int hint, DocumentView* origin) = 0;
};

} // namespace torvane

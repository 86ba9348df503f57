#pragma once

namespace torvane {

class CProjectDoc;
class ProjectNode;

// One undoable action of a document under way. Opening it starts an undo
// step; the action then names each place before changing it, and the first
// place whose prior state is kept warns the views that records may go.
// commit() records the step. Leaving
// the scope without commit() withdraws a step that kept nothing and records
// one that did, since its change has begun and must stay undoable.
class ActionScope {
public:
    ActionScope(CProjectDoc& document, int actionCode);
    ~ActionScope();
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

    // The page (a target's page), URL or cross-references holding `node`,
    // as they are now; once per action whatever the number of calls.
    void keepPriorState(ProjectNode& node);
    // `created` (a page or URL) was not there before the action.
    void keepAbsence(ProjectNode& created);
    // Records the step, even one that changed nothing.
    void commit();

private:
    CProjectDoc& document_;
    bool open_ = true;
    bool warned_ = false;
};

} // namespace torvane

#include "document/ActionScope.h"
#include "document/CProjectDoc.h"

namespace torvane {

ActionScope::ActionScope(CProjectDoc& document, int actionCode)
    : document_(document)
{
    document_.pushUndo(actionCode);
}

ActionScope::~ActionScope()
{
    if (!open_)
        return;
    if (document_.keptAnyPlace())
        document_.trimUndo();
    else
        document_.discardLastUndo();
}

void ActionScope::keepPriorState(ProjectNode& node)
{
    // What the action changes next may free records the views point at.
    if (!warned_) {
        warned_ = true;
        document_.announceChange();
    }
    document_.keepPlace(node, true);
}

void ActionScope::keepAbsence(ProjectNode& created)
{
    document_.keepPlace(created, false);
}

void ActionScope::commit()
{
    if (!open_)
        return;
    open_ = false;
    document_.trimUndo();
}

} // namespace torvane

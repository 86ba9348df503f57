#pragma once
#include "model/ProjectNode.h"
#include "model/TreeDisplayState.h"
#include "model/TreeSlot.h"

#include <memory>
#include <string>
#include <vector>

namespace torvane {

// The ten undoable project actions; the value is the stored action code.
enum ActionCode : int {
    ActionAddFiles = 0,
    ActionAddExternalUrls = 1,
    ActionAddIndexEntry = 2,
    ActionRemoveFilesUrlsLocators = 3,
    ActionExcludeTargets = 4,
    ActionEditIndexEntries = 5,
    ActionDeleteEntriesAndCrossReferences = 6,
    ActionCreateCrossReference = 7,
    ActionEditCrossReference = 8,
    ActionAcceptDefaultEntries = 9,
};

// The menu name of an action code; "Invalid Action Code" for any other code.
std::string actionName(int code);

// A place of the tree and what filled it (null: nothing) in the state that
// an undo or redo element brings back.
struct PlaceState {
    TreeSlot slot;
    std::unique_ptr<ProjectNode> node;
};

// One element of the undo or redo queue: the action and every place of the
// tree it changed, as it was before it (undo queue) or after it (redo
// queue). Only those places are kept, so that an action on a large project
// costs what it touches. `saveCount` is the document's save counter when the
// places were kept, so that a state older than the last save can be told
// apart. `display` is the expansion, selection and current node of the
// tree in that same state, which undo and redo show again.
struct ProjectAction {
    int code = 0;
    std::vector<PlaceState> places;
    long saveCount = 0;
    TreeDisplayState display;
};

} // namespace torvane

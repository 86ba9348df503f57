#pragma once
#include "model/ProjectRootNode.h"

#include <memory>
#include <string>

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

// One element of the undo or redo queue: the action and the whole tree as it
// was before it (undo queue) or after it (redo queue). `saveCount` is the
// document's save counter when the snapshot was taken, so that a snapshot
// older than the last save can be told apart.
struct ProjectAction {
    int code = 0;
    std::unique_ptr<ProjectRootNode> snapshot;
    long saveCount = 0;
};

} // namespace torvane

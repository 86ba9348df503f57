#include "ui/commands/CommandEnabling.h"
#include "ui/commands/CommandIds.h"

namespace torvane {

bool isFrameCommand(int id)
{
    switch (id) {
    case CmdFileNew:
    case CmdFileOpen:
    case CmdRecentFile:
    case CmdExit:
    case CmdViewToolbar:
    case CmdViewStatusBar:
    case CmdDefaultStyleSettings:
    case CmdHtmlTools:
    case CmdHelpTopics:
    case CmdTutorial:
    case CmdAbout:
    case CmdCascade:
    case CmdTile:
    case CmdArrangeIcons:
        return true;
    default:
        return false;
    }
}

bool isCommandEnabled(int id, const CommandState& s)
{
    const bool arrangesWindows = id == CmdCascade || id == CmdTile || id == CmdArrangeIcons;
    if (isFrameCommand(id) && !arrangesWindows)
        return true;
    if (!s.projectOpen)
        return false;
    switch (id) {
    case CmdAddFiles:
        return !s.addFilesOpen;
    case CmdAddExternalUrls:
        return !s.addUrlsOpen;
    case CmdRemove:
        return s.removableCount > 0;
    case CmdExclude:
        return s.targetCount > 0;
    case CmdAddIndexEntry:
        return !s.addEntryOpen && s.targetCount > 0;
    case CmdEditIndexEntries:
        return s.selectedEntryCount > 0 && s.allSelectedEqual;
    case CmdAcceptDefaultEntries:
        return s.selectedDefaultCount > 0;
    case CmdDeleteEntries:
    case CmdSelectAssociatedTargets:
        return s.selectedEntryCount > 0 || s.selectedCrossRefCount > 0;
    case CmdCreateCrossReference:
        return !s.crossRefOpen;
    case CmdEditCrossReference:
        return s.selectedCrossRefCount == 1;
    case CmdUndo:
        return s.undoAvailable;
    case CmdRedo:
        return s.redoAvailable;
    case CmdMakeIndex:
        return s.anyOutputOn;
    case CmdEditSourceFile:
    case CmdViewSourceFile:
        return s.selectedFileCount == 1;
    case CmdFileClose:
    case CmdFileSave:
    case CmdCheckIndex:
    case CmdProjectStyleSettings:
    case CmdSaveStylesAsDefault:
    case CmdApplyDefaultStyles:
    case CmdFilenames:
    case CmdExpandAll:
    case CmdCollapseAll:
    case CmdEditOutputFile:
    case CmdViewOutputFile:
    case CmdCascade:
    case CmdTile:
    case CmdArrangeIcons:
        return true;
    default:
        return false;
    }
}

namespace {

std::string queueItemText(const char* verb, std::optional<std::string_view> actionName, const char* shortcut)
{
    std::string text = verb;
    if (actionName) {
        text += ' ';
        text += *actionName;
    }
    text += '\t';
    text += shortcut;
    return text;
}

} // namespace

std::string undoItemText(std::optional<std::string_view> actionName)
{
    return queueItemText("Undo", actionName, "Ctrl+Z");
}

std::string redoItemText(std::optional<std::string_view> actionName)
{
    return queueItemText("Redo", actionName, "Ctrl+Y");
}

} // namespace torvane

#pragma once

namespace torvane {

// Command ids of the menus, popups and toolbar; the numbers are those the
// project file's users know from the resource scripts and help topics.
enum CommandId : int {
    CmdNone = 0,
    CmdDefaultStyleSettings = 32771,
    CmdEditSourceFile = 32779,
    CmdEditOutputFile = 32780,
    CmdViewSourceFile = 32781,
    CmdViewOutputFile = 32782,
    CmdRemove = 32785,
    CmdAddFiles = 32786,
    CmdExclude = 32787,
    CmdAddIndexEntry = 32789,
    CmdEditIndexEntries = 32790,
    CmdDeleteEntries = 32791,
    CmdMakeIndex = 32792,
    CmdProjectStyleSettings = 32793,
    CmdSaveStylesAsDefault = 32794,
    CmdApplyDefaultStyles = 32795,
    CmdFilenames = 32798,
    CmdHtmlTools = 32800,
    CmdAddExternalUrls = 32802,
    CmdExpandAll = 32804,
    CmdCollapseAll = 32805,
    CmdTutorial = 32808,
    CmdUndo = 32810,
    CmdRedo = 32811,
    CmdSelectAssociatedTargets = 32812,
    CmdCreateCrossReference = 32815,
    CmdEditCrossReference = 32816,
    CmdAcceptDefaultEntries = 32817,
    CmdCheckIndex = 32830,
    CmdFileNew = 57600,
    CmdFileOpen = 57601,
    CmdFileClose = 57602,
    CmdFileSave = 57603,
    CmdRecentFile = 57616,
    CmdArrangeIcons = 57649,
    CmdCascade = 57650,
    CmdTile = 57652,
    CmdAbout = 57664,
    CmdExit = 57665,
    CmdHelpTopics = 57667,
    CmdViewToolbar = 59392,
    CmdViewStatusBar = 59393,
};

} // namespace torvane

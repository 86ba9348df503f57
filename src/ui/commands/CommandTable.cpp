#include "ui/commands/CommandTable.h"
#include "ui/commands/CommandIds.h"
#include <algorithm>

namespace torvane {

const std::vector<CommandDef>& commandDefs()
{
    static const std::vector<CommandDef> commands {
        // The framework's own commands, worded for this program.
        {CmdFileNew, "&New\tCtrl+N", "Ctrl+N", "Create a new project\nNew"},
        {CmdFileOpen, "&Open...\tCtrl+O", "Ctrl+O", "Open an existing project\nOpen"},
        {CmdFileClose, "&Close\tCtrl+W", "Ctrl+W", "Close the active project; asks to save its changes\nClose"},
        {CmdFileSave, "&Save\tCtrl+S", "Ctrl+S", "Save the active project\nSave"},
        {CmdRecentFile, "&Recent File", "", "Open this project"},
        {CmdExit, "&Exit\tCtrl+Q", "Ctrl+Q", "Quit the program; asks to save changed projects\nExit"},
        {CmdEditSourceFile, "Selected &Source File", "", "Open the selected source file in the specified HTML editor"},
        {CmdEditOutputFile, "&Output File", "", "Open the output file in the specified HTML editor"},
        {CmdViewSourceFile, "Selected &Source File", "",
         "Open the selected source file in the specified HTML browser (viewer)"},
        {CmdViewOutputFile, "&Output File", "", "Open the output file in the specified HTML browser (viewer)"},
        {CmdExpandAll, "&Expand All", "", "Expand the project tree"},
        {CmdCollapseAll, "&Collapse All", "", "Collapse the project tree"},
        {CmdViewToolbar, "&Toolbar", "", "Show or hide the toolbar\nToggle Toolbar"},
        {CmdViewStatusBar, "Status &Bar", "", "Show or hide the status bar\nToggle Status Bar"},
        {CmdAddFiles, "Add &Files...", "", "Add local files to the project\nAdd Files"},
        {CmdAddExternalUrls, "Add External &URLs...", "", "Add external URLs to the project\nAdd External URLs"},
        {CmdRemove, "&Remove Selected Files, URLs, and Locators", "",
         "Remove selected files, URLs, and cross-references from the project\nRemove Files/URLs/X-refs"},
        {CmdExclude, "E&xclude Selected Targets from Index", "",
         "Exclude selected targets from the index\nExclude Targets"},
        {CmdAddIndexEntry, "&Add Index Entry to Selected Targets...\tCtrl+E", "Ctrl+E",
         "Add an index entry for the selected targets\nAdd Index Entry"},
        {CmdEditIndexEntries, "&Edit Selected Index Entries...", "", "Edit selected index entries"},
        {CmdAcceptDefaultEntries, "Acce&pt Selected Default Entries", "",
         "Convert selected default entries to regular index entries."},
        {CmdDeleteEntries, "&Delete Selected Index Entries and Cross-References", "",
         "Delete selected index entries and cross-references"},
        {CmdSelectAssociatedTargets, "&Select Associated Targets", "", "Select associated targets"},
        {CmdCreateCrossReference, "&Create Cross-Reference...", "", "Create cross-references\nCreate X-refs"},
        {CmdEditCrossReference, "Edit Selected Cross-Refere&nce...", "", "Edit selected cross-reference\nEdit X-ref"},
        {CmdUndo, "Undo Last Action\tCtrl+Z", "Ctrl+Z", "Undo last action"},
        {CmdRedo, "Redo Last Action\tCtrl+Y", "Ctrl+Y", "Redo last action"},
        {CmdMakeIndex, "&Make Index\tCtrl+M", "Ctrl+M", "Create the index\nMake Index"},
        {CmdCheckIndex, "Chec&k Index...", "",
         "List what is wrong with the index: dead cross-references, missing pages, likely duplicates\nCheck Index"},
        {CmdProjectStyleSettings, "&Project Style Settings...", "",
         "Set style preferences for this index\nSet Index Styles"},
        {CmdDefaultStyleSettings, "&Default Style Settings...", "", "Set the default style preferences for indexes"},
        {CmdSaveStylesAsDefault, "&Save Project Styles as Default", "",
         "Save this project's style settings as the default"},
        {CmdApplyDefaultStyles, "&Apply Default Styles to Project", "",
         "Apply the default style settings to this index"},
        {CmdFilenames, "&Filenames...", "", "Specify the project and output file names"},
        {CmdHtmlTools, "HTML &Tools...", "", "Select an HTML editor and browser (viewer)"},
        {CmdCascade, "&Cascade", "", "Arrange the project windows so they overlap\nCascade Windows"},
        {CmdTile, "&Tile", "", "Arrange the project windows as tiles that do not overlap\nTile Windows"},
        {CmdArrangeIcons, "Arrange Icons", "", "Arrange the minimised project windows at the bottom\nArrange Icons"},
        {CmdHelpTopics, "Help &Topics\tF1", "F1", "List the help topics\nHelp Topics"},
        {CmdTutorial, "T&utorial", "", "Run the product tutorial"},
        {CmdAbout, "&About HTML Torvane...", "", "Show the program's version details\nAbout"},
    };
    return commands;
}

const std::vector<MenuPopupDef>& frameMenuDef()
{
    static const std::vector<MenuPopupDef> menu {
        {"&File", {{CmdFileNew}, {CmdFileOpen}, {0}, {CmdRecentFile}, {0}, {CmdExit}}},
        {"&View", {{CmdViewToolbar}, {CmdViewStatusBar}}},
        {"&Preferences", {{CmdDefaultStyleSettings}, {0}, {CmdHtmlTools}}},
        {"&Help", {{CmdHelpTopics}, {CmdTutorial}}},
    };
    return menu;
}

const std::vector<MenuPopupDef>& projectMenuDef()
{
    static const std::vector<MenuPopupDef> menu {
        {"&File", {{CmdFileNew}, {CmdFileOpen}, {CmdFileClose}, {CmdFileSave}, {0}, {CmdRecentFile}, {0}, {CmdExit}}},
        {"&Edit", {{CmdEditSourceFile}, {CmdEditOutputFile}}},
        {"&View",
         {{CmdViewSourceFile},
          {CmdViewOutputFile},
          {0},
          {CmdExpandAll},
          {CmdCollapseAll},
          {0},
          {CmdViewToolbar},
          {CmdViewStatusBar}}},
        {"&Actions",
         {{CmdAddFiles},
          {CmdAddExternalUrls},
          {CmdRemove},
          {0},
          {CmdExclude},
          {0},
          {CmdAddIndexEntry},
          {CmdEditIndexEntries},
          {CmdAcceptDefaultEntries},
          {CmdDeleteEntries},
          {0},
          {CmdSelectAssociatedTargets},
          {0},
          {CmdCreateCrossReference},
          {CmdEditCrossReference},
          {0},
          {CmdUndo},
          {CmdRedo},
          {0},
          {CmdMakeIndex},
          {CmdCheckIndex}}},
        {"&Preferences",
         {{CmdProjectStyleSettings},
          {CmdDefaultStyleSettings},
          {0},
          {CmdSaveStylesAsDefault},
          {CmdApplyDefaultStyles},
          {0},
          {CmdFilenames},
          {0},
          {CmdHtmlTools}}},
        {"&Window", {{CmdCascade}, {CmdTile}, {CmdArrangeIcons}}},
        {"&Help", {{CmdHelpTopics}, {CmdTutorial}, {0}, {CmdAbout}}},
    };
    return menu;
}

const std::vector<MenuItemDef>& treePopupDef()
{
    static const std::vector<MenuItemDef> items {
        {CmdAddIndexEntry},
        {0},
        {CmdEditSourceFile, "&Edit Selected Source File"},
        {CmdViewSourceFile, "&View Selected Source File"},
        {0},
        {CmdExclude},
        {0},
        {CmdExpandAll, "Ex&pand All"},
        {CmdCollapseAll},
        {0},
        {CmdAddFiles},
        {CmdAddExternalUrls},
        {CmdRemove},
        {0},
        {CmdCreateCrossReference, "Create Cr&oss-Reference..."},
        {0},
        {CmdUndo},
        {CmdRedo},
    };
    return items;
}

const std::vector<MenuItemDef>& listPopupDef()
{
    static const std::vector<MenuItemDef> items {
        {CmdEditIndexEntries},
        {CmdEditCrossReference},
        {CmdAcceptDefaultEntries, "&Accept Selected Default Entries"},
        {0},
        {CmdDeleteEntries},
        {0},
        {CmdSelectAssociatedTargets},
        {0},
        {CmdUndo},
        {CmdRedo},
    };
    return items;
}

const std::vector<int>& toolbarDef()
{
    static const std::vector<int> buttons {
        CmdFileNew,
        CmdFileOpen,
        CmdFileSave,
        0,
        CmdAddFiles,
        CmdAddExternalUrls,
        CmdCreateCrossReference,
        0,
        CmdRemove,
        0,
        CmdExclude,
        0,
        CmdAddIndexEntry,
        0,
        CmdProjectStyleSettings,
        0,
        CmdMakeIndex,
        0,
        CmdHelpTopics,
    };
    return buttons;
}

CommandPrompt commandPrompt(int id)
{
    const auto& commands = commandDefs();
    const auto found =
        std::find_if(commands.begin(), commands.end(), [id](const CommandDef& command) { return command.id == id; });
    if (found == commands.end())
        return {};
    const std::string text = found->prompt;
    const auto newline = text.find('\n');
    if (newline == std::string::npos)
        return {text, ""};
    return {text.substr(0, newline), text.substr(newline + 1)};
}

} // namespace torvane

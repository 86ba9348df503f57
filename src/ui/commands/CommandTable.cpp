#include "ui/commands/CommandTable.h"
#include "ui/commands/CommandIds.h"
#include <map>

namespace torvane {

namespace {

const MenuItemDef kSeparator{0, ""};

const std::vector<MenuItemDef>& fileItems()
{
    static const std::vector<MenuItemDef> items{
        {CmdFileNew, "&New\tCtrl+N"},
        {CmdFileOpen, "&Open...\tCtrl+O"},
        {CmdFileSave, "&Save\tCtrl+S"},
        kSeparator,
        {CmdRecentFile, "&Recent File"},
        kSeparator,
        {CmdExit, "&Exit                    "},
    };
    return items;
}

} // namespace

const std::vector<MenuPopupDef>& frameMenuDef()
{
    static const std::vector<MenuPopupDef> menu{
        {"&File",
         {{CmdFileNew, "&New\tCtrl+N"},
          {CmdFileOpen, "&Open...\tCtrl+O"},
          kSeparator,
          {CmdRecentFile, "&Recent File"},
          kSeparator,
          {CmdExit, "&Exit                    "}}},
        {"&View", {{CmdViewToolbar, "&Toolbar"}, {CmdViewStatusBar, "Status &Bar"}}},
        {"&Preferences",
         {{CmdDefaultStyleSettings, "&Default Style Settings..."}, kSeparator, {CmdHtmlTools, "HTML &Tools..."}}},
        {"&Help", {{CmdHelpTopics, "Help &Topics"}, {CmdTutorial, "T&utorial"}}},
    };
    return menu;
}

const std::vector<MenuPopupDef>& projectMenuDef()
{
    static const std::vector<MenuPopupDef> menu{
        {"&File", fileItems()},
        {"&Edit", {{CmdEditSourceFile, "Selected &Source File"}, {CmdEditOutputFile, "&Output File"}}},
        {"&View",
         {{CmdViewSourceFile, "Selected &Source File"},
          {CmdViewOutputFile, "&Output File"},
          kSeparator,
          {CmdExpandAll, "&Expand All"},
          {CmdCollapseAll, "&Collapse All"},
          kSeparator,
          {CmdViewToolbar, "&Toolbar"},
          {CmdViewStatusBar, "Status &Bar"}}},
        {"&Actions",
         {{CmdAddFiles, "Add &Files..."},
          {CmdAddExternalUrls, "Add External &URLs..."},
          {CmdRemove, "&Remove Selected Files, URLs, and Locators"},
          kSeparator,
          {CmdExclude, "E&xclude Selected Targets from Index"},
          kSeparator,
          {CmdAddIndexEntry, "&Add Index Entry to Selected Targets..."},
          {CmdEditIndexEntries, "&Edit Selected Index Entries..."},
          {CmdAcceptDefaultEntries, "Acce&pt Selected Default Entries"},
          {CmdDeleteEntries, "&Delete Selected Index Entries and Cross-References"},
          kSeparator,
          {CmdSelectAssociatedTargets, "&Select Associated Targets"},
          kSeparator,
          {CmdCreateCrossReference, "&Create Cross-Reference..."},
          {CmdEditCrossReference, "&Edit Selected Cross-Reference..."},
          kSeparator,
          {CmdUndo, "Undo Last Action\tCtrl+Z"},
          {CmdRedo, "Redo Last Action\tCtrl+Y"},
          kSeparator,
          {CmdMakeIndex, "&Make Index"},
          {CmdCheckIndex, "Chec&k Index..."}}},
        {"&Preferences",
         {{CmdProjectStyleSettings, "&Project Style Settings..."},
          {CmdDefaultStyleSettings, "&Default Style Settings..."},
          kSeparator,
          {CmdSaveStylesAsDefault, "&Save Project Styles as Default"},
          {CmdApplyDefaultStyles, "&Apply Default Styles to Project"},
          kSeparator,
          {CmdFilenames, "&Filenames..."},
          kSeparator,
          {CmdHtmlTools, "HTML &Tools..."}}},
        {"&Window", {{CmdCascade, "&Cascade"}, {CmdTile, "&Tile"}, {CmdArrangeIcons, "Arrange Icons"}}},
        {"&Help",
         {{CmdHelpTopics, "Help &Topics"}, {CmdTutorial, "T&utorial"}, kSeparator, {CmdAbout, "&About HTML Torvane..."}}},
    };
    return menu;
}

const std::vector<MenuItemDef>& treePopupDef()
{
    static const std::vector<MenuItemDef> items{
        {CmdAddIndexEntry, "&Add Index Entry to Selected Targets..."},
        kSeparator,
        {CmdEditSourceFile, "&Edit Selected Source File"},
        {CmdViewSourceFile, "&View Selected Source File"},
        kSeparator,
        {CmdExclude, "E&xclude Selected Targets from Index"},
        kSeparator,
        {CmdExpandAll, "Ex&pand All"},
        {CmdCollapseAll, "&Collapse All"},
        kSeparator,
        {CmdAddFiles, "Add &Files..."},
        {CmdAddExternalUrls, "Add External &URLs..."},
        {CmdRemove, "&Remove Selected Files, URLs, and Locators"},
        kSeparator,
        {CmdCreateCrossReference, "&Create Cross-Reference..."},
        kSeparator,
        {CmdUndo, "Undo Last Action\tCtrl+Z"},
        {CmdRedo, "Redo Last Action\tCtrl+Y"},
    };
    return items;
}

const std::vector<MenuItemDef>& listPopupDef()
{
    static const std::vector<MenuItemDef> items{
        {CmdEditIndexEntries, "&Edit Selected Index Entries..."},
        {CmdEditCrossReference, "&Edit Selected Cross-Reference..."},
        {CmdAcceptDefaultEntries, "&Accept Selected Default Entries"},
        kSeparator,
        {CmdDeleteEntries, "&Delete Selected Index Entries and Cross-References"},
        kSeparator,
        {CmdSelectAssociatedTargets, "&Select Associated Targets"},
        kSeparator,
        {CmdUndo, "Undo Last Action\tCtrl+Z"},
        {CmdRedo, "Redo Last Action\tCtrl+Y"},
    };
    return items;
}

const std::vector<int>& toolbarDef()
{
    static const std::vector<int> buttons{
        CmdFileNew, CmdFileOpen, CmdFileSave, 0,
        CmdAddFiles, CmdAddExternalUrls, CmdCreateCrossReference, 0,
        CmdRemove, 0,
        CmdExclude, 0,
        CmdAddIndexEntry, 0,
        CmdProjectStyleSettings, 0,
        CmdMakeIndex, 0,
        CmdHelpTopics,
    };
    return buttons;
}

CommandPrompt commandPrompt(int id)
{
    static const std::map<int, const char*> prompts{
        {CmdAddFiles, "Add local files to the project\nAdd Files"},
        {CmdAddExternalUrls, "Add external URLs to the project\nAdd External URLs"},
        {CmdRemove, "Remove selected files, URLs, and cross-references from the project\nRemove Files/URLs/X-refs"},
        {CmdExclude, "Exclude selected targets from the index\nExclude Targets"},
        {CmdAddIndexEntry, "Add an index entry for the selected targets\nAdd Index Entry"},
        {CmdEditIndexEntries, "Edit selected index entries"},
        {CmdAcceptDefaultEntries, "Convert selected default entries to regular index entries."},
        {CmdDeleteEntries, "Delete selected index entries and cross-references"},
        {CmdSelectAssociatedTargets, "Select associated targets"},
        {CmdCreateCrossReference, "Create cross-references\nCreate X-refs"},
        {CmdEditCrossReference, "Edit selected cross-reference\nEdit X-ref"},
        {CmdUndo, "Undo last action"},
        {CmdRedo, "Redo last action"},
        {CmdMakeIndex, "Create the index\nMake Index"},
        {CmdCheckIndex, "List what is wrong with the index: dead cross-references, missing pages, likely duplicates\nCheck Index"},
        {CmdProjectStyleSettings, "Set style preferences for this index\nSet Index Styles"},
        {CmdSaveStylesAsDefault, "Save this project's style settings as the default"},
        {CmdApplyDefaultStyles, "Apply the default style settings to this index"},
        {CmdFilenames, "Specify the project and output file names"},
        {CmdExpandAll, "Expand the project tree"},
        {CmdCollapseAll, "Collapse the project tree"},
        {CmdEditSourceFile, "Open the selected source file in the specified HTML editor"},
        {CmdViewSourceFile, "Open the selected source file in the specified HTML browser (viewer)"},
        {CmdEditOutputFile, "Open the output file in the specified HTML editor"},
        {CmdViewOutputFile, "Open the output file in the specified HTML browser (viewer)"},
        {CmdDefaultStyleSettings, "Set the default style preferences for indexes"},
        {CmdHtmlTools, "Select an HTML editor and browser (viewer)"},
        {CmdTutorial, "Run the product tutorial"},
        // The framework's own commands, worded for this program.
        {CmdFileNew, "Create a new project\nNew"},
        {CmdFileOpen, "Open an existing project\nOpen"},
        {CmdFileSave, "Save the active project\nSave"},
        {CmdRecentFile, "Open this project"},
        {CmdExit, "Quit the program; asks to save changed projects\nExit"},
        {CmdViewToolbar, "Show or hide the toolbar\nToggle Toolbar"},
        {CmdViewStatusBar, "Show or hide the status bar\nToggle Status Bar"},
        {CmdCascade, "Arrange the project windows so they overlap\nCascade Windows"},
        {CmdTile, "Arrange the project windows as tiles that do not overlap\nTile Windows"},
        {CmdArrangeIcons, "Arrange the minimised project windows at the bottom\nArrange Icons"},
        {CmdHelpTopics, "List the help topics\nHelp Topics"},
        {CmdAbout, "Show the program's version details\nAbout"},
    };
    const auto found = prompts.find(id);
    if (found == prompts.end())
        return {};
    const std::string text = found->second;
    const auto newline = text.find('\n');
    if (newline == std::string::npos)
        return {text, ""};
    return {text.substr(0, newline), text.substr(newline + 1)};
}

} // namespace torvane

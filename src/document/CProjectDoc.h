#pragma once
#include "document/DocumentView.h"
#include "document/EntryValues.h"
#include "generate/OutputNames.h"
#include "document/PageFindings.h"
#include "document/ProjectMerge.h"
#include "document/UndoHistory.h"
#include "model/ProjectRootNode.h"
#include "platform/ProjectLock.h"
#include "styles/StyleSettings.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace torvane {

class ActionScope;
struct AppServices;
class EntryRecord;
class IndexEntry;
class SourceFile;
enum HtmlFileError : int;

// The edit dialogs as the document sees them: given the values of the record
// being edited, they return the new values, or nothing when cancelled.
using IndexEntryDialog = std::function<std::optional<IndexEntryValues>(const IndexEntryValues& initial)>;
using CrossReferenceDialog = std::function<std::optional<CrossReferenceValues>(const CrossReferenceValues& initial)>;

// One open project: its tree, file names, style settings and undo history,
// and the operations that tie the tree to the pages and the project file on
// disk. Windows, tests and scripts drive it through the same calls; views
// learn about changes through DocumentView (addView).
//
// In short: root() is the tree (undo and redo put whole pages back in place
// and release the items of those they take out), pathName() the project file's full path,
// undoCode() and redoCode() the front actions for the menu texts (actionName
// gives their names), and the ten actions below include the view-started
// ones (removeSelected, excludeSelected, deleteRecords, acceptDefaultEntries).
class CProjectDoc {
public:
    explicit CProjectDoc(AppServices& services);
    ~CProjectDoc();
    CProjectDoc(const CProjectDoc&) = delete;
    CProjectDoc& operator=(const CProjectDoc&) = delete;

    // --- Project file and pages ---

    // Reads the project file into a fresh tree, loading every listed page,
    // and reports the pages that failed or are read-only. False when the
    // project file itself cannot be read (reported as a file error).
    bool openProject(const std::string& path);
    // The project file's full path: sets the title and the project directory.
    void setProjectPath(const std::string& path);
    // Renames the project file (in the project directory) and the outputs.
    void setFileNames(std::string projectFileName, OutputNames outputs);
    // Adds one page to the tree, reading it unless it was read before.
    SourceFile& loadSourceFile(const std::string& fullPath);
    // HtmlFileOk on success, HtmlFileMissing, HtmlFileOpenInput when the page
    // cannot be read, else the failed write's code.
    HtmlFileError rewriteSourceFile(SourceFile& file);
    // Writes the project file, rewriting every modified page on the way, and
    // reports the file errors. False when the project file could not be
    // written (the document then stays modified). A page or project file
    // that another program changed since this one read it takes both sides'
    // changes, or is left alone and reported where they do not combine. The
    // project's lock is taken for the save unless it is held already; when
    // another program holds it throughout, nothing is saved and a message
    // names that program.
    bool save();
    // Moves every page's entries between the pages' blocks and the entry
    // store beside the project file, and saves. Into the store the pages are
    // left as they are unless `cleanPages`: then their blocks and meta tags
    // go, in the same save. Into the pages every page is written and the
    // store removed. All or nothing: when any file cannot be written, none
    // is changed and the project stays as it was (false).
    bool moveEntries(bool intoStore, bool cleanPages = false);
    bool entriesInStore() const { return styles_.extensions.entriesInProject; }
    std::string entryStorePath() const;

    // What the user should know about the pages' index blocks: entries kept
    // for targets a page no longer has, and damaged blocks that the next
    // save repairs.
    std::vector<PageFinding> pageFindings();

    const std::string& pathName() const { return pathName_; }
    const std::string& title() const { return title_; }
    // Native, ending in "/".
    const std::string& projectDirectory() const { return projectDirectory_; }
    const std::string& projectFileName() const { return projectFileName_; }
    const OutputNames& outputNames() const { return outputNames_; }
    const std::string& indexName() const { return outputNames_.index; }
    const std::string& javaMapName() const { return outputNames_.javaMap; }

    ProjectRootNode& root() { return *root_; }
    const ProjectRootNode& root() const { return *root_; }

    StyleSettings& styles() { return styles_; }
    const StyleSettings& styles() const { return styles_; }
    // The style sheet's OK: replaces the settings and marks the project modified.
    void setStyles(const StyleSettings& styles);
    // The profile's defaults replace the project's settings (not an undoable
    // action, and not marked as a change).
    void applyDefaultStyles();
    void saveStylesAsDefault() const;

    // While Add Files reads its pages the progress window lets input through;
    // until that action is recorded whole, every other action, undo, redo
    // and save is refused (and the window shows them disabled).
    bool isAddingFiles() const { return addingFiles_; }

    // Whether loads read and scan pages on a second thread when the machine
    // has more than one core (the default); the tree and the messages are
    // the same either way.
    void setReadAhead(bool onSecondThread) { readAhead_ = onSecondThread; }

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // --- Other writers ---

    // Takes the project's lock (see ProjectLock) for `program`, waiting at
    // most `wait`; it is held until releaseLock, another project is opened,
    // or the document goes.
    ProjectLock::Outcome lockProject(std::string_view program, std::chrono::milliseconds wait);
    void releaseLock() { lock_.release(); }
    // How long a save waits for another writer's lock (a few seconds unless set).
    void setSaveLockWait(std::chrono::milliseconds wait) { saveLockWait_ = wait; }
    bool holdsLock() const { return lock_.held(); }
    // Whether another program changed the project file or a page since this
    // one last read or wrote them (a save then merges, or a reload shows them).
    bool changedOnDisk();
    // Who held the lock when taking it last failed.
    const std::optional<LockHolder>& lockHolder() const { return lock_.holder(); }

    // --- Undo and redo ---

    void undo(DocumentView* origin = nullptr);
    void redo(DocumentView* origin = nullptr);
    std::optional<int> undoCode() const { return history_.undoCode(); }
    std::optional<int> redoCode() const { return history_.redoCode(); }
    int undoLimit() const { return history_.limit(); }
    const UndoHistory& history() const { return history_; }

    // --- Views ---

    void addView(DocumentView& view);
    void removeView(DocumentView& view);
    int updateHint() const { return updateHint_; }
    DocumentView* hintOrigin() const { return hintOrigin_; }
    // Stores the hint and origin and tells every view.
    void updateAllViews(int hint, DocumentView* origin);

    // --- The ten actions; each is one step of the undo history ---

    // Loads the pages (the user may cancel between them) and reports them.
    void addFiles(const std::vector<std::string>& fullPaths, DocumentView* origin = nullptr);
    // Leading blanks and control characters are dropped; a blank URL is
    // ignored, one the project file could not give back (urlStoreProblem)
    // refused with a message.
    void addExternalUrl(std::string_view typed, DocumentView* origin = nullptr);
    // One entry for every selected file, target and URL. Values that a page
    // could not give back (unstorableProblem) are refused with a message.
    void addIndexEntry(const IndexEntryValues& values, DocumentView* origin = nullptr);
    // Removes the selected files, URLs and locators; the pages stay on disk.
    void removeSelected(DocumentView* origin = nullptr);
    // Excludes the selected files, targets and URLs.
    void excludeSelected(DocumentView* origin = nullptr);
    // Runs the dialog on the first entry's values and replaces every given
    // entry by the result. False when cancelled or when the result cannot be
    // stored (refused with a message); nothing is recorded then.
    bool editIndexEntries(const std::vector<IndexEntry*>& entries, const IndexEntryDialog& dialog,
                          DocumentView* origin = nullptr);
    void deleteRecords(const std::vector<EntryRecord*>& records, DocumentView* origin = nullptr);
    void createCrossReference(const CrossReferenceValues& values, DocumentView* origin = nullptr);
    bool editCrossReference(CrossReference& record, const CrossReferenceDialog& dialog, DocumentView* origin = nullptr);
    // Turns every given default entry with a non-empty sort key into a
    // regular entry of its holder.
    void acceptDefaultEntries(const std::vector<EntryRecord*>& records, DocumentView* origin = nullptr);

    // The records marked selected in the list among those of the selected
    // tree nodes, in walk order: what the list-based actions work on.
    std::vector<IndexEntry*> listSelectedEntries();
    std::vector<CrossReference*> listSelectedCrossReferences();
    std::vector<EntryRecord*> listSelectedRecords();

private:
    // Every action opens, fills and closes its undo step through one.
    friend class ActionScope;

    void pushUndo(int code);
    void trimUndo();
    void discardLastUndo();
    bool keptAnyPlace() const { return !keptHolders_.empty(); }
    // Tells every view that records and nodes are about to be freed or
    // replaced, so that none keeps pointing at them.
    void announceChange();

    void resetTree();
    struct PageLoadOptions pageLoadOptions() const;
    // Attaches the store's entries to the pages just loaded; false (reported)
    // when the store exists but cannot be read.
    bool takeEntryStore();
    enum class PagesWritten { None, Cleaned, WithEntries };
    // One save of all it takes: the project file (when changed), the pages
    // (cleaned of their blocks, or given them) and, unless the pages get the
    // entries, the store. False, with nothing changed on disk, when any of
    // them cannot be written; else every page is unmodified.
    bool writeTogether(const std::string& projectText, PagesWritten pagesWritten);
    // With `action`, each page new to the tree is recorded in it for undo.
    void loadFiles(const std::vector<std::string>& fullPaths, ActionScope* action);
    void reportLoadProblems();
    ProjectSettings readSettings(const std::vector<std::string>& lines, bool emptyFile, const OutputNames& names) const;
    // The project file as this program last read or wrote it, with its settings.
    void rememberProjectFile(std::string text);
    // Takes the lock for a save unless it is held; false after telling who holds it.
    bool lockForSave(bool& takenHere);
    // Takes into the tree the changes another program made to the project
    // file since it was last read or written here; false when they do not
    // combine with the changes made here (the file is then left alone).
    bool takeProjectFileChanges();
    // A page a save wrote, or tried to: the stamps of the bytes written (0
    // when that failed) and read, and the page merged with another program's
    // changes, which takes the written node's place.
    struct WrittenPage {
        SourceFile* file;
        std::uint64_t writtenStamp;
        std::uint64_t readStamp;
        std::unique_ptr<SourceFile> merged;
    };
    void takeWrittenPages(std::vector<WrittenPage>& pages);
    // Undo and redo put back a page's older state, not the disk's.
    void keepDiskState(SourceFile& restored, SourceFile& replaced);
    // Commits the action, marks the project modified and tells the views.
    void finishAction(ActionScope& action, int hint, DocumentView* origin);
    // Keeps an edited cross-reference in view: its locator selected, the
    // record marked in the list.
    void showEditedCrossReference(CrossReference& edited);
    // Puts the element's places into the tree and the states they replace
    // into the element, ready for the other queue.
    void exchangePlaces(ProjectAction& action);
    // Files the place holding `node` in the running action, once: as it is
    // now when `present`, else as empty.
    void keepPlace(ProjectNode& node, bool present);

    AppServices& services_;
    int updateHint_ = HintNone;
    DocumentView* hintOrigin_ = nullptr;
    std::unique_ptr<ProjectRootNode> root_;
    UndoHistory history_;
    // The places the running action has kept already.
    std::unordered_set<const ProjectNode*> keptHolders_;
    std::string pathName_;
    std::string title_;
    std::string projectDirectory_;
    std::string projectFileName_ {kDefaultProjectFileName};
    OutputNames outputNames_;
    StyleSettings styles_;
    bool modified_ = false;
    bool addingFiles_ = false;
    bool readAhead_ = true;
    // Counts saves, so that undo can tell kept states older than the pages on disk.
    long saveCount_ = 0;
    std::vector<DocumentView*> views_;
    // Store lines of pages the project does not list, written back as read.
    std::map<std::string, std::vector<std::string>> unlistedStoreLines_;
    ProjectLock lock_;
    std::string lockProgram_ {"torvane"};
    // Another writer holds the lock from its load to its save: moments for
    // the command line, while it has unsaved changes for the desktop program.
    std::chrono::milliseconds saveLockWait_ {std::chrono::seconds(5)};
    std::string savedProjectPath_;
    std::string savedProjectText_;
    ProjectSettings savedSettings_;
    // The pages changed since they were last read or written, as they were
    // then: what another program's changes are merged against.
    std::unordered_map<std::string, std::unique_ptr<ProjectNode>> pageBases_;
};

} // namespace torvane

#include "document/CProjectDoc.h"

#include "document/ActionScope.h"
#include "document/EntryStore.h"
#include "document/ProjectLookup.h"
#include "document/CutShortSaves.h"
#include "document/ProjectFileReader.h"
#include "document/PageLocations.h"
#include "document/PagesAhead.h"
#include "document/ProjectFileWriter.h"
#include "document/SourcePages.h"
#include "document/StalePages.h"
#include "model/SourceFile.h"
#include "model/TreeSlot.h"
#include "platform/AppOptions.h"
#include "platform/AppServices.h"
#include "platform/DeferredReplacements.h"
#include "platform/FileAccess.h"
#include "platform/ReplaceAccess.h"
#include "sources/CHtmlFile.h"
#include "sources/PageReader.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <thread>
#include <utility>

namespace torvane {

CProjectDoc::CProjectDoc(AppServices& services)
    : services_(services)
    , root_(std::make_unique<ProjectRootNode>())
    , history_(undoQueueSize(services.profile))
    , styles_(loadDefaults(services.profile))
{
}

CProjectDoc::~CProjectDoc() = default;

void CProjectDoc::resetTree()
{
    announceChange();
    root_ = std::make_unique<ProjectRootNode>();
    root_->setProjectDirectory(projectDirectory_);
}

void CProjectDoc::setProjectPath(const std::string& path)
{
    std::filesystem::path full(path);
    std::error_code failed;
    if (!full.is_absolute()) {
        std::filesystem::path absolute = std::filesystem::absolute(full, failed);
        if (!failed)
            full = std::move(absolute);
    }
    pathName_ = full.string();
    const std::size_t slash = pathName_.rfind('/');
    projectDirectory_ = pathName_.substr(0, slash + 1);
    title_ = pathName_.substr(slash + 1);
    root_->setProjectDirectory(projectDirectory_);
}

bool CProjectDoc::openProject(const std::string& path)
{
    setProjectPath(path);
    projectFileName_ = title_;
    history_.clear();
    resetTree();
    styles_ = loadDefaults(services_.profile);
    outputNames_ = OutputNames {};

    std::string text;
    if (const FileResult read = readWholeFile(pathName_, text); read.failed()) {
        services_.reports.logFileError(read.failure());
        services_.reports.reportFileErrors(services_.presenter);
        return false;
    }
    const std::vector<std::string> lines = splitProjectLines(text);
    if (!text.empty() && !holdsProjectLines(lines)) {
        services_.reports.logFileError(FileFailure {FileOperation::Read, pathName_, CauseInvalidFile, 0});
        services_.reports.reportFileErrors(services_.presenter);
        return false;
    }
    readStyleSections(lines, styles_);
    // The defaults for new projects leave a written project without the
    // section as it was made: classic.
    if (!text.empty())
        styles_.extensions = TorvaneExtensions {};
    readExtensionsSection(lines, styles_.extensions);
    LocalFilesSection localFiles = readLocalFilesSection(lines);
    outputNames_ = localFiles.names;
    std::vector<std::string> fullPaths;
    fullPaths.reserve(localFiles.relativePaths.size());
    for (const std::string& relative : localFiles.relativePaths) {
        // The file keeps backslashes; the progress window and every message
        // show the path as this system spells it.
        fullPaths.push_back(projectDirectory_ + relative);
        std::replace(fullPaths.back().begin() + static_cast<std::ptrdiff_t>(projectDirectory_.size()),
                     fullPaths.back().end(), '\\', '/');
    }
    unlistedStoreLines_.clear();
    putBackCutShortSaves(fullPaths, services_.reports);
    loadFiles(fullPaths, nullptr);
    if (entriesInStore() && !takeEntryStore())
        return false;
    reportLoadProblems();
    readExternalUrlsSection(lines, *root_);
    readCrossReferencesSection(lines, *root_);
    // The first click on a folder then costs what later ones do.
    root_->learnBelow();

    modified_ = false;
    updateHint_ = HintNone;
    hintOrigin_ = nullptr;
    return true;
}

void CProjectDoc::setFileNames(std::string projectFileName, OutputNames outputs)
{
    projectFileName_ = std::move(projectFileName);
    outputNames_ = std::move(outputs);
    setProjectPath(projectDirectory_ + projectFileName_);
    modified_ = true;
    history_.forgetSaved();
}

SourceFile& CProjectDoc::loadSourceFile(const std::string& fullPath)
{
    ReplaceAccess access;
    PageReader reader;
    SourceFile& file =
        torvane::loadSourceFile(*root_, fullPath, services_.reports, access, reader, nullptr, pageLoadOptions());
    modified_ = true;
    history_.forgetSaved();
    return file;
}

HtmlFileError CProjectDoc::rewriteSourceFile(SourceFile& file)
{
    return torvane::rewriteSourceFile(file, services_.reports);
}

void CProjectDoc::loadFiles(const std::vector<std::string>& fullPaths, ActionScope* action)
{
    if (fullPaths.empty())
        return;
    Progress& progress = services_.progress;
    progress.begin("Add Files Progress", static_cast<int>(fullPaths.size()), true);
    ReplaceAccess access;
    PageReader reader;
    PageLocations locations(projectDirectory_, *root_);
    const PageLoadOptions options = pageLoadOptions();
    // Finding, reading and scanning a page looks at nothing but the disk:
    // done ahead on a second thread while this one builds the model.
    PagesAhead pages(
        fullPaths.size(),
        [&](std::size_t index, PageAhead& page, PageReader& pageReader) {
            page.located = locations.locate(fullPaths[index]);
            readLoadedPage(pageReader, page.located.path, page.loaded, options.withIds);
        },
        readAhead_ && std::thread::hardware_concurrency() > 1);
    std::string sameFiles, outside;
    for (std::size_t index = 0; index < fullPaths.size(); ++index) {
        if (!progress.step(static_cast<int>(index), fullPaths[index]))
            break;
        const PageAhead& page = pages.next();
        const PageLocations::Located& located = page.located;
        const std::string& path = located.path;
        // One file under a second name would be two pages overwriting each other's entries.
        if (const SourceFile* first = locations.sameFileElsewhere(located)) {
            sameFiles += path + "\n    the same file as " + first->fullPath() + "\n";
            continue;
        }
        const SourceFile* known = root_->localFiles().findFileAt(path);
        SourceFile& file =
            torvane::loadSourceFile(*root_, path, services_.reports, access, reader, &page.loaded, options);
        if (!known)
            modified_ = true;
        // Counted while it is fresh in memory, so that listing a large
        // selection later walks the folders only.
        file.learnBelow();
        if (!known) {
            const PageLocations::Located inTree = locations.asInTree(file, located);
            locations.add(file, inTree);
            if (locations.isOutsideProject(inTree)) {
                file.setOutsideProject(true);
                outside += inTree.path + "\n";
            }
        }
        // A page already in the tree was read before and stays as it is.
        if (action && !known)
            action->keepAbsence(file);
    }
    progress.end();
    if (!sameFiles.empty())
        services_.messages.showMessage(std::string(kSameFileMessage) + sameFiles);
    if (!outside.empty())
        services_.messages.showMessage(std::string(kOutsidePagesMessage) + outside);
}

void CProjectDoc::reportLoadProblems()
{
    services_.reports.reportFileErrors(services_.presenter);
    services_.reports.reportReadOnlyFiles(services_.presenter);
    services_.reports.reportPageProblems(services_.presenter);
}

std::vector<PageFinding> CProjectDoc::pageFindings()
{
    return torvane::pageFindings(*root_);
}

PageLoadOptions CProjectDoc::pageLoadOptions() const
{
    return {styles_.extensions.idTargets != 0, !styles_.extensions.entriesInProject};
}

std::string CProjectDoc::entryStorePath() const
{
    return torvane::entryStorePath(pathName_, styles_.extensions);
}

bool CProjectDoc::takeEntryStore()
{
    std::string text;
    const std::string path = entryStorePath();
    // A store not made yet holds no entries.
    if (fileExists(path)) {
        if (const FileResult read = readWholeFile(path, text); read.failed()) {
            services_.reports.logFileError(read.failure());
            services_.reports.reportFileErrors(services_.presenter);
            return false;
        }
    }
    StoredPageLines stored = readEntryStore(text);
    for (SourceFile* page : listedPages(*root_)) {
        const auto found = stored.find(page->relativeUrl());
        if (found == stored.end())
            continue;
        applyStoredEntries(*page, recordsOfStoredLines(found->second), services_.reports);
        stored.erase(found);
    }
    for (const auto& [page, lines] : stored)
        services_.reports.logPageProblem(path + ": entries of " + page +
                                         ", a page the project does not list, are kept in the store");
    unlistedStoreLines_ = std::move(stored);
    return true;
}

bool CProjectDoc::writeTogether(const std::string& projectText, PagesWritten pagesWritten)
{
    DeferredReplacements files;
    bool failed = false;
    const auto write = [&](const std::string& path, std::string_view text) {
        if (const FileResult result = files.write(path, text); result.failed()) {
            services_.reports.logFileError(result.failure());
            failed = true;
        }
    };
    for (SourceFile* page : pagesWritten == PagesWritten::None ? std::vector<SourceFile*> {} : listedPages(*root_)) {
        const bool holdsEntries = !page->keptTargets().empty() || !page->usesDefault() || page->isExcluded();
        if (page->isMissing() || page->isUnreadable()) {
            // Entries that no page can take stay where they are.
            if (pagesWritten == PagesWritten::WithEntries && holdsEntries) {
                services_.reports.logFileError(FileFailure {FileOperation::OpenInput, page->fullPath(),
                                                            page->isMissing() ? CauseFileNotFound : CauseNone, 0});
                failed = true;
            }
            continue;
        }
        CHtmlFile html(services_.reports);
        html.setPath(page->fullPath());
        html.ReadSource();
        if (!html.readSucceeded()) {
            failed = true;
            continue;
        }
        const std::string before = html.wholeText();
        if (pagesWritten == PagesWritten::WithEntries) {
            putEntriesIntoPage(*page, html);
        } else {
            html.ScanInsertionPoints();
            html.RemoveEntries();
        }
        // A page whose text stays keeps its bytes and its date.
        if (html.wholeText() != before)
            write(page->fullPath(), html.wholeText());
    }
    if (pagesWritten != PagesWritten::WithEntries)
        write(entryStorePath(), entryStoreText(*root_, unlistedStoreLines_));
    std::string onDisk;
    if (readWholeFile(pathName_, onDisk).failed() || onDisk != projectText)
        write(pathName_, projectText);
    if (failed)
        return false; // the temporaries go with `files`: nothing is replaced
    bool complete = true;
    for (const DeferredReplacements::Failed& notPlaced : files.finish()) {
        services_.reports.logFileError(notPlaced.failure);
        complete = false;
    }
    if (complete)
        for (SourceFile* page : listedPages(*root_))
            page->setModified(false);
    return complete;
}

bool CProjectDoc::moveEntries(bool intoStore, bool cleanPages)
{
    if (addingFiles_)
        return false;
    const TorvaneExtensions before = styles_.extensions;
    const std::string oldStore = entryStorePath();
    styles_.extensions.entriesInProject = intoStore;
    const std::string projectText = writeProjectFile(styles_, outputNames_, *root_, {});
    const PagesWritten pages = !intoStore   ? PagesWritten::WithEntries
                               : cleanPages ? PagesWritten::Cleaned
                                            : PagesWritten::None;
    const bool written = writeTogether(projectText, pages);
    services_.reports.reportFileErrors(services_.presenter);
    if (!written) {
        styles_.extensions = before;
        return false;
    }
    if (!intoStore && before.entriesInProject) {
        unlistedStoreLines_.clear();
        std::error_code ignored;
        std::filesystem::remove(oldStore, ignored);
    }
    ++saveCount_;
    modified_ = false;
    return true;
}

bool CProjectDoc::save()
{
    if (addingFiles_)
        return false;
    // Pages are only read: one write of the store, and of the project file when it changed.
    if (entriesInStore()) {
        const bool saved = writeTogether(writeProjectFile(styles_, outputNames_, *root_, {}), PagesWritten::None);
        ++saveCount_;
        services_.reports.reportFileErrors(services_.presenter);
        if (!saved)
            return false;
        modified_ = false;
        return true;
    }
    Progress& progress = services_.progress;
    bool progressShown = false;
    // The pages go to temporary files first and are put in place together,
    // with one wait for the disk instead of one per page.
    DeferredReplacements pages;
    std::vector<SourceFile*> pagesWritten;
    const bool writeOutside = services_.profile.readInt(kOptionsSection, kWriteOutsideProjectKey, 0) == 1;
    // Where a killed save may have left temporaries: every folder written to.
    std::set<std::string> foldersWritten = {parentFolder(pathName_)};
    // A page a killed save left half written is put back before it is read again.
    std::vector<ProjectNode*> files;
    root_->collect(files, NodeKindMask::File);
    std::vector<std::string> listedPages;
    for (const ProjectNode* file : files)
        listedPages.push_back(static_cast<const SourceFile*>(file)->fullPath());
    putBackCutShortSaves(listedPages, services_.reports);
    auto rewriteModified = [&](SourceFile& file, int index, int count) {
        if (!progressShown) {
            progress.begin("Save Project Progress", count, false);
            progressShown = true;
        }
        // A save cannot stop half-way: the project file must list every page.
        progress.step(index, file.fullPath());
        if (!file.isModified())
            return;
        if (file.isOutsideProject() && !writeOutside) {
            services_.reports.logFileError(
                FileFailure {FileOperation::OpenOutput, file.fullPath(), CauseAccessDenied, 0});
            return;
        }
        foldersWritten.insert(parentFolder(file.fullPath()));
        const std::size_t queued = pages.size();
        if (torvane::rewriteSourceFile(file, services_.reports, &pages) == HtmlFileOk) {
            file.setModified(false);
            if (pages.size() > queued)
                pagesWritten.push_back(&file);
        }
    };
    const std::string text = writeProjectFile(styles_, outputNames_, *root_, rewriteModified);
    for (const DeferredReplacements::Failed& failed : pages.finish()) {
        pagesWritten[failed.index]->setModified(true);
        services_.reports.logFileError(failed.failure);
        logIfReplaced(services_.reports, failed.failure);
    }
    // A page put in place by a rename is a new file: the next save expects that one.
    for (SourceFile* page : pagesWritten)
        page->setLoadedIdentity(fileIdentity(page->fullPath()));
    if (progressShown)
        progress.end();
    ++saveCount_;

    // A project file that would come out the same is left as it is.
    std::string onDisk;
    const bool unchanged = !readWholeFile(pathName_, onDisk).failed() && onDisk == text;
    const FileResult written = unchanged ? FileResult {} : writeFileAtomically(pathName_, text);
    if (written.failed())
        services_.reports.logFileError(written.failure());
    for (const std::string& folder : foldersWritten)
        removeStaleTemporaries(folder);
    services_.reports.reportFileErrors(services_.presenter);
    services_.reports.reportPageProblems(services_.presenter);
    if (written.failed())
        return false;
    modified_ = false;
    history_.markSaved();
    return true;
}

void CProjectDoc::setStyles(const StyleSettings& styles)
{
    styles_ = styles;
    modified_ = true;
    history_.forgetSaved();
}

void CProjectDoc::applyDefaultStyles()
{
    // A project's language and page stay its own: the defaults only start new projects with them.
    TorvaneExtensions extensions = std::move(styles_.extensions);
    styles_ = loadDefaults(services_.profile);
    styles_.extensions = std::move(extensions);
}

void CProjectDoc::saveStylesAsDefault() const
{
    saveDefaults(services_.profile, styles_);
}

void CProjectDoc::pushUndo(int code)
{
    keptHolders_.clear();
    history_.push(ProjectAction {code, {}, saveCount_, recordDisplayState(*root_)});
}

void CProjectDoc::keepPlace(ProjectNode& node, bool present)
{
    ProjectNode* holder = slotHolder(node);
    ProjectAction* action = history_.newestUndo();
    if (!holder || !action || !keptHolders_.insert(holder).second)
        return;
    action->places.push_back(PlaceState {slotOf(*holder), present ? copyOfHolder(*holder) : nullptr});
}

void CProjectDoc::trimUndo()
{
    keptHolders_.clear();
    history_.trim();
}

void CProjectDoc::discardLastUndo()
{
    keptHolders_.clear();
    history_.discardLast();
}

void CProjectDoc::exchangePlaces(ProjectAction& action)
{
    const bool olderThanDisk = action.saveCount < saveCount_;
    // What the other queue's element shows again: the tree as it is now.
    TreeDisplayState shown = recordDisplayState(*root_);
    // Each place is kept once per action, so the order only matters for
    // symmetry: the reverse of the order the action changed them in.
    for (auto place = action.places.rbegin(); place != action.places.rend(); ++place) {
        ProjectNode* restored = place->node.get();
        std::unique_ptr<ProjectNode> replaced = exchangeAtSlot(*root_, place->slot, std::move(place->node));
        if (olderThanDisk && restored && restored->kindBit() == NodeKindMask::File)
            markIfDifferingFromDisk(static_cast<SourceFile&>(*restored),
                                    static_cast<const SourceFile*>(replaced.get()));
        place->node = std::move(replaced);
    }
    std::reverse(action.places.begin(), action.places.end());
    action.saveCount = saveCount_;
    restoreDisplayState(*root_, action.display);
    // The records put back keep the list marks they had when the step was
    // recorded, as far as their holders are selected again; no other record
    // outside the selection shown keeps one.
    root_->unmarkRecordsOfUnselected();
    action.display = std::move(shown);
    // The tree no longer matches what was saved.
    modified_ = true;
}

void CProjectDoc::undo(DocumentView* origin)
{
    if (addingFiles_)
        return;
    std::optional<ProjectAction> action = history_.takeUndo();
    if (!action)
        return;
    announceChange();
    exchangePlaces(*action);
    history_.pushRedo(std::move(*action));
    modified_ = !history_.atSavedState();
    updateAllViews(HintUndo, origin);
}

void CProjectDoc::redo(DocumentView* origin)
{
    if (addingFiles_)
        return;
    std::optional<ProjectAction> action = history_.takeRedo();
    if (!action)
        return;
    announceChange();
    exchangePlaces(*action);
    history_.pushRedone(std::move(*action));
    modified_ = !history_.atSavedState();
    updateAllViews(HintRedo, origin);
}

void CProjectDoc::addView(DocumentView& view)
{
    if (std::find(views_.begin(), views_.end(), &view) == views_.end())
        views_.push_back(&view);
}

void CProjectDoc::removeView(DocumentView& view)
{
    std::erase(views_, &view);
}

void CProjectDoc::announceChange()
{
    const std::vector<DocumentView*> views = views_;
    for (DocumentView* view : views)
        view->documentChanging(*this);
}

void CProjectDoc::updateAllViews(int hint, DocumentView* origin)
{
    updateHint_ = hint;
    hintOrigin_ = origin;
    // A view may remove itself while being told.
    const std::vector<DocumentView*> views = views_;
    for (DocumentView* view : views)
        view->documentChanged(*this, hint, origin);
}

} // namespace torvane

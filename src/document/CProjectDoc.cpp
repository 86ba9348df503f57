#include "document/CProjectDoc.h"

#include "document/ActionScope.h"
#include "document/EntryStore.h"
#include "document/ProjectLookup.h"
#include "document/CutShortSaves.h"
#include "document/ProjectFileReader.h"
#include "document/PageLocations.h"
#include "document/PagesAhead.h"
#include "document/PageFindings.h"
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
    pageBases_.clear();
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
    LocalFilesSection localFiles = readLocalFilesSection(lines);
    const ProjectSettings settings = readSettings(lines, text.empty(), localFiles.names);
    styles_ = settings.styles;
    outputNames_ = settings.names;
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

    rememberProjectFile(std::move(text));
    modified_ = false;
    updateHint_ = HintNone;
    hintOrigin_ = nullptr;
    return true;
}

ProjectSettings CProjectDoc::readSettings(const std::vector<std::string>& lines, bool emptyFile,
                                          const OutputNames& names) const
{
    ProjectSettings settings {loadDefaults(services_.profile), names};
    readStyleSections(lines, settings.styles);
    // The defaults for new projects leave a written project without the
    // section as it was made: classic.
    if (!emptyFile)
        settings.styles.extensions = TorvaneExtensions {};
    readExtensionsSection(lines, settings.styles.extensions);
    return settings;
}

void CProjectDoc::rememberProjectFile(std::string text)
{
    savedProjectPath_ = pathName_;
    savedProjectText_ = std::move(text);
    savedSettings_ = {styles_, outputNames_};
}

ProjectLock::Outcome CProjectDoc::lockProject(std::string_view program, std::chrono::milliseconds wait)
{
    lockProgram_ = program;
    return lock_.take(pathName_, program, wait);
}

bool CProjectDoc::lockForSave(bool& takenHere)
{
    if (lock_.held())
        return true;
    const ProjectLock::Outcome outcome = lock_.take(pathName_, lockProgram_, saveLockWait_);
    if (outcome == ProjectLock::Outcome::Busy) {
        services_.messages.showMessage(lockedProjectMessage(pathName_, lock_.holder()) +
                                       "\nNothing was saved; save again when it has finished.");
        return false;
    }
    takenHere = outcome == ProjectLock::Outcome::Taken;
    return true;
}

bool CProjectDoc::changedOnDisk()
{
    std::string onDisk;
    if (savedProjectPath_ == pathName_ && !readWholeFile(pathName_, onDisk).failed() && onDisk != savedProjectText_)
        return true;
    std::vector<ProjectNode*> files;
    root_->collect(files, NodeKindMask::File);
    return std::any_of(files.begin(), files.end(), [](ProjectNode* node) {
        const auto& file = static_cast<const SourceFile&>(*node);
        return file.diskTime() != 0 && modificationTime(file.fullPath()) != file.diskTime();
    });
}

bool CProjectDoc::takeProjectFileChanges()
{
    std::string onDisk;
    if (savedProjectPath_ != pathName_ || readWholeFile(pathName_, onDisk).failed() || onDisk == savedProjectText_)
        return true;
    const std::vector<std::string> theirLines = splitProjectLines(onDisk);
    if (!onDisk.empty() && !holdsProjectLines(theirLines))
        return false;
    const std::vector<std::string> baseLines = splitProjectLines(savedProjectText_);
    const ProjectFileVersion base {
        baseLines, readSettings(baseLines, savedProjectText_.empty(), readLocalFilesSection(baseLines).names)};
    const ProjectFileVersion theirs {theirLines,
                                     readSettings(theirLines, onDisk.empty(), readLocalFilesSection(theirLines).names)};
    ProjectSettings settings {styles_, outputNames_};
    OpenProject project {*root_, settings, savedSettings_,
                         [this](const std::vector<std::string>& fullPaths) { loadFiles(fullPaths, nullptr); }};
    announceChange();
    const bool taken = takeOtherWritersChanges(project, base, theirs);
    updateAllViews(HintNone, nullptr);
    if (!taken)
        return false;
    styles_ = settings.styles;
    outputNames_ = settings.names;
    savedProjectText_ = std::move(onDisk);
    savedSettings_ = theirs.settings;
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
    bool lockedHere = false;
    if (!lockForSave(lockedHere))
        return false;
    // Pages are only read: one write of the store, and of the project file when it changed.
    if (entriesInStore()) {
        const bool saved = writeTogether(writeProjectFile(styles_, outputNames_, *root_, {}), PagesWritten::None);
        ++saveCount_;
        if (lockedHere)
            lock_.release();
        services_.reports.reportFileErrors(services_.presenter);
        if (!saved)
            return false;
        modified_ = false;
        history_.markSaved();
        return true;
    }
    const bool projectFileTaken = takeProjectFileChanges();
    Progress& progress = services_.progress;
    bool progressShown = false;
    // The pages go to temporary files first and are put in place together,
    // with one wait for the disk instead of one per page.
    DeferredReplacements pages;
    std::vector<WrittenPage> pagesWritten;
    // Where each page handed to `pages` stands in pagesWritten.
    std::vector<std::size_t> queuedPages;
    bool pageRefused = false;
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
        OtherWriter other;
        const auto base = pageBases_.find(file.fullPath());
        if (base != pageBases_.end())
            other.base = static_cast<const SourceFile*>(base->second.get());
        const std::size_t queued = pages.size();
        const HtmlFileError result = torvane::rewriteSourceFile(file, services_.reports, &pages, other);
        if (result == HtmlFileOk) {
            file.setModified(false);
            if (pages.size() > queued)
                queuedPages.push_back(pagesWritten.size());
            pagesWritten.push_back({&file, other.writtenStamp, other.readStamp, std::move(other.merged)});
        }
        pageRefused = pageRefused || other.refused;
    };
    const std::string text = writeProjectFile(styles_, outputNames_, *root_, rewriteModified);
    for (const DeferredReplacements::Failed& failed : pages.finish()) {
        WrittenPage& page = pagesWritten[queuedPages[failed.index]];
        page.file->setModified(true);
        page.writtenStamp = 0;
        services_.reports.logFileError(failed.failure);
        logIfReplaced(services_.reports, failed.failure);
    }
    // A page put in place by a rename is a new file: the next save expects that one.
    for (std::size_t index : queuedPages) {
        WrittenPage& page = pagesWritten[index];
        (page.merged ? *page.merged : *page.file).setLoadedIdentity(fileIdentity(page.file->fullPath()));
    }
    if (progressShown)
        progress.end();
    ++saveCount_;
    takeWrittenPages(pagesWritten);

    FileResult written;
    std::string onDisk;
    if (!projectFileTaken)
        logChangedOutside(pathName_, services_.reports);
    else if (!readWholeFile(pathName_, onDisk).failed() && onDisk == text)
        rememberProjectFile(text); // a project file that would come out the same is left as it is
    else if (written = writeFileAtomically(pathName_, text); written.failed())
        services_.reports.logFileError(written.failure());
    else
        rememberProjectFile(text);
    for (const std::string& folder : foldersWritten)
        removeStaleTemporaries(folder);
    if (lockedHere)
        lock_.release();
    services_.reports.reportFileErrors(services_.presenter);
    services_.reports.reportPageProblems(services_.presenter);
    if (!projectFileTaken || written.failed())
        return false;
    modified_ = pageRefused;
    if (!pageRefused)
        history_.markSaved();
    return true;
}

void CProjectDoc::takeWrittenPages(std::vector<WrittenPage>& pages)
{
    bool merged = false;
    for (WrittenPage& page : pages) {
        const bool written = page.writtenStamp != 0;
        SourceFile& file = page.merged ? *page.merged : *page.file;
        file.setDiskStamp(written ? page.writtenStamp : page.readStamp);
        file.setDiskTime(modificationTime(file.fullPath()));
        file.setModified(!written);
        if (written || page.merged)
            pageBases_.erase(page.file->fullPath());
        if (!page.merged)
            continue;
        if (!merged)
            announceChange();
        merged = true;
        exchangeAtSlot(*root_, slotOf(*page.file), std::move(page.merged));
    }
    if (merged)
        updateAllViews(HintNone, nullptr);
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
    // A page changed for the first time since it was read or written is
    // as the disk holds it: what another program's changes meet at the save.
    if (present && holder->kindBit() == NodeKindMask::File && !holder->isModified())
        pageBases_.insert_or_assign(static_cast<SourceFile&>(*holder).fullPath(), copyOfHolder(*holder));
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
        if (restored && replaced && restored->kindBit() == NodeKindMask::File)
            keepDiskState(static_cast<SourceFile&>(*restored), static_cast<SourceFile&>(*replaced));
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

void CProjectDoc::keepDiskState(SourceFile& restored, SourceFile& replaced)
{
    restored.setDiskStamp(replaced.diskStamp());
    restored.setDiskTime(replaced.diskTime());
    // What goes out unchanged since its save is what the disk holds.
    if (!replaced.isModified())
        pageBases_.insert_or_assign(replaced.fullPath(), copyOfHolder(replaced));
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

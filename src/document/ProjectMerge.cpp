#include "document/ProjectMerge.h"

#include "document/HolderStates.h"
#include "document/ProjectFileReader.h"
#include "document/ProjectFileWriter.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "model/TreeSlot.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace torvane {

namespace {

// A version of the file read into a tree of its own, for its URLs and cross-references.
struct ReadVersion {
    explicit ReadVersion(const ProjectFileVersion& version)
    {
        readExternalUrlsSection(version.lines, root);
        readCrossReferencesSection(version.lines, root);
        const std::vector<std::string> listed = readLocalFilesSection(version.lines).relativePaths;
        pages.insert(listed.begin(), listed.end());
    }
    ProjectRootNode root;
    std::set<std::string> pages;
};

std::set<std::string> urlsOf(const ProjectRootNode& root)
{
    std::set<std::string> labels;
    for (const ExternalUrl* url : root.externalUrls().urls())
        labels.insert(url->label());
    return labels;
}

std::map<std::string, const CrossReference*> crossReferencesOf(const ProjectRootNode& root)
{
    std::map<std::string, const CrossReference*> records;
    for (const LocatorNode* locator : root.locators().locatorNodes())
        for (const CrossReference* record : locator->crossReferences())
            records.emplace(storedCrossReference(*record), record);
    return records;
}

std::string fullPathOf(const ProjectRootNode& root, const std::string& relative)
{
    std::string path = root.projectDirectory() + relative;
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(root.projectDirectory().size()), path.end(), '\\', '/');
    return path;
}

// What the other writer's changes do here, worked out whole before any is made.
struct Plan {
    bool takeSettings = false;
    std::vector<std::string> pagesToLoad;
    std::vector<SourceFile*> pagesToDrop;
    std::vector<std::pair<std::string, HolderState>> urls;
    std::vector<const CrossReference*> crossReferencesToAdd;
    std::vector<CrossReference*> crossReferencesToRemove;
};

bool planPages(ProjectRootNode& ours, const ReadVersion& base, const ReadVersion& theirs, Plan& plan)
{
    for (const std::string& page : theirs.pages)
        if (!base.pages.contains(page))
            plan.pagesToLoad.push_back(fullPathOf(ours, page));
    for (const std::string& page : base.pages) {
        if (theirs.pages.contains(page))
            continue;
        SourceFile* file = ours.localFiles().findFileAt(fullPathOf(ours, page));
        if (file && file->isModified())
            return false;
        if (file)
            plan.pagesToDrop.push_back(file);
    }
    return true;
}

bool planUrls(ProjectRootNode& ours, const ReadVersion& base, const ReadVersion& theirs, Plan& plan)
{
    std::set<std::string> labels = urlsOf(base.root);
    labels.merge(urlsOf(theirs.root));
    for (const std::string& label : labels) {
        const HolderState before = holderState(base.root.externalUrls().findUrl(label));
        const HolderState after = holderState(theirs.root.externalUrls().findUrl(label));
        if (before == after)
            continue;
        const std::optional<HolderState> merged =
            mergeHolderStates(before, holderState(ours.externalUrls().findUrl(label)), after);
        if (!merged)
            return false;
        plan.urls.emplace_back(label, *merged);
    }
    return true;
}

void planCrossReferences(ProjectRootNode& ours, const ReadVersion& base, const ReadVersion& theirs, Plan& plan)
{
    const auto before = crossReferencesOf(base.root);
    const auto after = crossReferencesOf(theirs.root);
    const auto now = crossReferencesOf(ours);
    for (const auto& [line, record] : after)
        if (!before.contains(line) && !now.contains(line))
            plan.crossReferencesToAdd.push_back(record);
    for (const auto& [line, record] : before)
        if (!after.contains(line))
            if (const auto present = now.find(line); present != now.end())
                plan.crossReferencesToRemove.push_back(const_cast<CrossReference*>(present->second));
}

void applyUrl(ProjectRootNode& root, const std::string& label, const HolderState& state)
{
    ExternalUrlsNode& urls = root.externalUrls();
    if (state.mode == HolderState::Mode::Absent) {
        urls.exchangeUrl(label, nullptr);
        return;
    }
    ExternalUrl& url = urls.findOrCreateUrl(label);
    if (holderState(&url) != state)
        applyHolderState(url, state);
}

} // namespace

bool takeOtherWritersChanges(OpenProject& project, const ProjectFileVersion& base, const ProjectFileVersion& theirs)
{
    ProjectRootNode& ours = project.root;
    Plan plan;
    if (theirs.settings != base.settings) {
        if (project.settings != project.settingsAsSaved && project.settings != theirs.settings)
            return false;
        plan.takeSettings = true;
    }
    const ReadVersion before(base);
    const ReadVersion after(theirs);
    if (!planPages(ours, before, after, plan) || !planUrls(ours, before, after, plan))
        return false;
    planCrossReferences(ours, before, after, plan);

    if (plan.takeSettings)
        project.settings = theirs.settings;
    for (SourceFile* file : plan.pagesToDrop)
        exchangeAtSlot(ours, slotOf(*file), nullptr);
    for (const auto& [label, state] : plan.urls)
        applyUrl(ours, label, state);
    for (CrossReference* record : plan.crossReferencesToRemove)
        record->removeFromOwner();
    for (const CrossReference* record : plan.crossReferencesToAdd)
        ours.locators().addCrossReference(std::make_unique<CrossReference>(*record));
    if (!plan.pagesToLoad.empty())
        project.loadPages(plan.pagesToLoad);
    return true;
}

} // namespace torvane

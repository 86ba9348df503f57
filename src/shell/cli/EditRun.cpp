#include "shell/cli/EditRun.h"
#include "document/CProjectDoc.h"
#include "document/ProjectLookup.h"
#include "document/TargetLookup.h"
#include "model/EntryHolder.h"
#include "shell/cli/CliProject.h"
#include <charconv>
#include <ostream>

namespace torvane {

namespace {

std::optional<int> waitSeconds(const CliArguments& arguments)
{
    const std::optional<std::string> given = arguments.value(kWaitOption.name);
    if (!given)
        return kDefaultWaitSeconds;
    int seconds = 0;
    const char* end = given->data() + given->size();
    const auto [stop, problem] = std::from_chars(given->data(), end, seconds);
    if (problem != std::errc() || stop != end || seconds < 0)
        return std::nullopt;
    return seconds;
}

} // namespace

int runEdit(const SubcommandCall& call, const ProjectEdit& edit)
{
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call);
    const std::optional<int> wait = waitSeconds(call.arguments);
    if (!wait) {
        project.tell(kWaitOption.name, "takes a whole number of seconds");
        return ExitUnusable;
    }
    if (project.lock(path, "torvane " + std::string(call.name), std::chrono::seconds(*wait)) ==
        ProjectLock::Outcome::Busy) {
        project.tell(path, "being edited by " + lockHolderText(project.document().lockHolder()) + "; gave up after " +
                               std::to_string(*wait) + " seconds, nothing was changed");
        return ExitFailed;
    }
    if (!project.open(path))
        return project.refuseOpen(path);
    if (!edit(project))
        return ExitFailed;
    if (!project.save()) {
        project.tell(path, "the project was not saved completely");
        return ExitFailed;
    }
    return ExitOk;
}

std::optional<std::vector<ProjectNode*>> findListedTargets(CliProject& project, const std::vector<std::string>& texts,
                                                           bool anchorsAllowed)
{
    const TargetLookup lookup(project.document().root());
    std::vector<ProjectNode*> targets;
    bool allFound = true;
    for (const std::string& text : texts) {
        EntryHolder* target = lookup.findTarget(text);
        if (!target) {
            project.tell(text, "not a page, anchor or URL of the project");
            allFound = false;
        } else if (!anchorsAllowed && target->kindBit() == NodeKindMask::Target) {
            project.tell(text, "an anchor; only pages and URLs can be removed");
            allFound = false;
        } else {
            targets.push_back(target);
        }
    }
    if (!allFound)
        return std::nullopt;
    return targets;
}

int runSelectionEdit(const SubcommandCall& call, bool anchorsAllowed, void (CProjectDoc::*action)(DocumentView*))
{
    return runEdit(call, [&](CliProject& project) {
        CProjectDoc& document = project.document();
        const std::vector<std::string>& arguments = call.arguments.positionals;
        const auto targets = findListedTargets(project, {arguments.begin() + 1, arguments.end()}, anchorsAllowed);
        if (!targets)
            return false;
        selectOnly(document.root(), *targets);
        (document.*action)(nullptr);
        return true;
    });
}

} // namespace torvane

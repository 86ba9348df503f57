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
    const std::optional<int> wait = waitSeconds(call.arguments);
    if (!wait) {
        call.err << "torvane " << call.name << ": --wait takes a whole number of seconds\n";
        return ExitUnusable;
    }
    CliProject project(call.err, call.showProgress);
    if (project.lock(path, "torvane " + std::string(call.name), std::chrono::seconds(*wait)) ==
        ProjectLock::Outcome::Busy) {
        call.err << "torvane: " << lockedProjectMessage(project.document().pathName(), project.document().lockHolder())
                 << " Gave up after " << *wait << " seconds; nothing was changed.\n";
        return ExitFailed;
    }
    if (!project.open(path))
        return refuseProject(call.err, path);
    if (!edit(project))
        return ExitFailed;
    if (!project.save()) {
        call.err << "torvane: the project was not saved completely\n";
        return ExitFailed;
    }
    return ExitOk;
}

std::optional<std::vector<ProjectNode*>> findListedTargets(CProjectDoc& document, const std::vector<std::string>& texts,
                                                           bool anchorsAllowed, std::ostream& err)
{
    const TargetLookup lookup(document.root());
    std::vector<ProjectNode*> targets;
    bool allFound = true;
    for (const std::string& text : texts) {
        EntryHolder* target = lookup.findTarget(text);
        if (!target) {
            err << "torvane: " << text << " is not a page, anchor or URL of the project\n";
            allFound = false;
        } else if (!anchorsAllowed && target->kindBit() == NodeKindMask::Target) {
            err << "torvane: " << text << " is an anchor; only pages and URLs can be removed\n";
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
        const auto targets =
            findListedTargets(document, {arguments.begin() + 1, arguments.end()}, anchorsAllowed, project.err());
        if (!targets)
            return false;
        selectOnly(document.root(), *targets);
        (document.*action)(nullptr);
        return true;
    });
}

} // namespace torvane

#include "shell/cli/EditRun.h"
#include "document/CProjectDoc.h"
#include "document/ProjectLookup.h"
#include "document/TargetLookup.h"
#include "model/EntryHolder.h"
#include "shell/cli/CliProject.h"
#include <ostream>

namespace torvane {

int runEdit(const SubcommandCall& call, const ProjectEdit& edit)
{
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call);
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

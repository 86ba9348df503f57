#include "shell/cli/EditRun.h"
#include "document/CProjectDoc.h"
#include "document/ProjectLookup.h"
#include "model/EntryHolder.h"
#include "shell/cli/CliMessages.h"
#include "shell/cli/CliProject.h"
#include <ostream>

namespace torvane {

EditContext::EditContext(CliProject& project, std::ostream& out, std::ostream& err, std::string_view command)
    : out_(&out)
    , err_(&err)
    , command_(command)
    , project_(project)
{
}

CProjectDoc& EditContext::document()
{
    return project_.document();
}

AppServices& EditContext::services()
{
    return project_.services();
}

const TargetLookup& EditContext::lookup()
{
    if (!lookup_)
        lookup_.emplace(document().root());
    return *lookup_;
}

void EditContext::tell(std::string_view subject, std::string_view message)
{
    tellProblem(*err_, command_, subject, message);
}

int runEdit(const SubcommandCall& call, ProjectEdit edit)
{
    const std::string& path = call.arguments.positionals[0];
    CliProject project(call);
    if (const std::optional<int> refused = project.lockForEdit(call, path))
        return *refused;
    if (!project.open(path))
        return project.refuseOpen(path);
    EditContext context(project, call.out, call.err, call.name);
    if (!edit(context, call.arguments))
        return ExitFailed;
    if (!project.save()) {
        project.tell(path, "the project was not saved completely");
        return ExitFailed;
    }
    return ExitOk;
}

int saveUnlessRefused(CliProject& project, const SubcommandCall& call, bool refused)
{
    const std::string& path = call.arguments.positionals[0];
    if (refused) {
        project.tell(path, "nothing was changed");
        return ExitFailed;
    }
    if (call.arguments.has("--dry-run"))
        return ExitOk;
    if (!project.save()) {
        project.tell(path, "the project was not saved completely");
        return ExitFailed;
    }
    return ExitOk;
}

std::optional<std::vector<ProjectNode*>> findListedTargets(EditContext& context, const std::vector<std::string>& texts,
                                                           bool anchorsAllowed)
{
    std::vector<ProjectNode*> targets;
    bool allFound = true;
    for (const std::string& text : texts) {
        EntryHolder* target = context.lookup().findTarget(text);
        if (!target) {
            context.tell(text, context.lookup().whyNotFound(text));
            allFound = false;
        } else if (!anchorsAllowed && target->kindBit() == NodeKindMask::Target) {
            context.tell(text, "an anchor; only pages and URLs can be removed");
            allFound = false;
        } else {
            targets.push_back(target);
        }
    }
    if (!allFound)
        return std::nullopt;
    return targets;
}

bool runSelectionEdit(EditContext& context, const CliArguments& arguments, bool anchorsAllowed,
                      void (CProjectDoc::*action)(DocumentView*))
{
    CProjectDoc& document = context.document();
    const std::vector<std::string>& texts = arguments.positionals;
    const auto targets = findListedTargets(context, {texts.begin() + 1, texts.end()}, anchorsAllowed);
    if (!targets)
        return false;
    selectOnly(document.root(), *targets);
    (document.*action)(nullptr);
    return true;
}

} // namespace torvane

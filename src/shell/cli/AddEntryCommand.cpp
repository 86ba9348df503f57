#include "document/CProjectDoc.h"
#include "document/EntryFieldRules.h"
#include "model/EntryHolder.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/FieldRefusals.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

// The fields as the Add Index Entry dialog would hand them over: what was
// not given takes the dialog's defaults (help text and sort text copied from
// the entry text, help title "Untitled").
IndexEntryValues typedValues(const CliArguments& arguments)
{
    const std::string& entryText = arguments.positionals[2];
    IndexEntryValues values;
    values.indexAs = entryText;
    values.sortAs = arguments.value("--sort-as").value_or(entryText);
    values.helpAs = arguments.value("--help-as").value_or(entryText);
    values.helpTitle = arguments.value("--help-title").value_or("");
    values.indexTarget = arguments.value("--index-target").value_or("");
    values.helpWindow = arguments.value("--help-window").value_or("");
    values.helpFrame = arguments.value("--help-frame").value_or("");
    return values;
}

// Adds the entry to its holder directly: a batch of thousands must not walk
// the whole tree for a selection once per entry.
bool addEntry(EditContext& context, const CliArguments& arguments)
{
    const std::string& entryText = arguments.positionals[2];
    IndexEntryValues values = typedValues(arguments);
    checkEntryTexts(values);
    checkEntryTargets(values);
    const std::vector<std::string> refusals = fieldRefusals({{"the entry text", &values.indexAs},
                                                             {"the sort key (--sort-as)", &values.sortAs},
                                                             {"the help text (--help-as)", &values.helpAs},
                                                             {"the help title", &values.helpTitle, false},
                                                             {"the index target", &values.indexTarget, false},
                                                             {"the help window", &values.helpWindow, false},
                                                             {"the help frame", &values.helpFrame, false}});
    for (const std::string& refusal : refusals)
        context.tell(entryText, refusal);
    EntryHolder* target = context.lookup().findTarget(arguments.positionals[1]);
    if (!target)
        context.tell(arguments.positionals[1], context.lookup().whyNotFound(arguments.positionals[1]));
    if (!refusals.empty() || !target)
        return false;
    finishEntryTexts(values);
    if (const std::string_view problem = unstorableProblem(values); !problem.empty()) {
        context.tell(entryText, problem);
        return false;
    }
    target->addEntry(entryFrom(values));
    context.document().setModified(true);
    return true;
}

} // namespace

Subcommand addEntryCommand()
{
    return {"add-entry",
            "add-entry PROJECT.ipj TARGET ENTRY [--sort-as S] [--help-as H] [--help-title T]\n"
            "                 [--index-target U] [--help-window W] [--help-frame F]",
            "Adds one index entry to TARGET and saves the project and the page.\n"
            "\n"
            "TARGET is a listed page, its path relative to the project folder (either\n"
            "separator), optionally followed by #ANCHOR for one of its anchors, or a listed\n"
            "external URL. ENTRY is the formatted entry as typed in Add Index Entry: levels\n"
            "split by \", \" (\"Fruit, Apples\"), a backslash before a comma, a quotation mark or\n"
            "a backslash that belongs to the text. The other fields take the dialog's\n"
            "defaults: sort text and help text copied from ENTRY, help title \"Untitled\".\n"
            "Fields the dialog would refuse are refused, each named (exit 1); nothing changes.\n",
            {kWaitOption,
             {"--sort-as", true, "S", "the sort text (default: ENTRY)"},
             {"--help-as", true, "H", "the help text (default: ENTRY)"},
             {"--help-title", true, "T", "the help title (default: \"Untitled\")"},
             {"--index-target", true, "U", "the link target in the HTML index"},
             {"--help-window", true, "W", "the help window"},
             {"--help-frame", true, "F", "the help frame"}},
            3,
            3,
            nullptr,
            false,
            addEntry};
}

} // namespace torvane

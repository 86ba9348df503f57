#include "document/CProjectDoc.h"
#include "document/CrossReferenceRules.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/FieldRefusals.h"
#include "shell/cli/SubcommandList.h"
#include <ostream>

namespace torvane {

namespace {

// The fields as the cross-reference dialog would hand them over, with its
// auto-copy: sort texts copied from the heading and the locator.
CrossReferenceValues typedValues(const CliArguments& arguments)
{
    CrossReferenceValues values = freshCrossReference(!arguments.has("--no-link"));
    values.heading = arguments.positionals[1];
    values.locator = arguments.positionals[2];
    values.headingSort = arguments.value("--heading-sort").value_or(values.heading);
    values.locatorSort = arguments.value("--locator-sort").value_or(values.locator);
    values.separator = arguments.value("--separator").value_or(values.separator);
    values.reference = arguments.value("--reference").value_or(values.reference);
    return values;
}

bool addXref(EditContext& context, const CliArguments& arguments)
{
    CrossReferenceValues values = typedValues(arguments);
    if (checkCrossReference(values)) {
        for (const std::string& refusal : fieldRefusals({{"the heading", &values.heading},
                                                         {"the heading's sort key", &values.headingSort},
                                                         {"the separator", &values.separator, false},
                                                         {"the reference", &values.reference},
                                                         {"the locator", &values.locator},
                                                         {"the locator's sort key", &values.locatorSort}}))
            context.tell(arguments.positionals[1], refusal);
        return false;
    }
    normaliseCrossReferenceCommas(values);
    context.document().createCrossReference(values);
    return true;
}

} // namespace

Subcommand addXrefCommand()
{
    return {"add-xref",
            "add-xref PROJECT.ipj HEADING LOCATOR [--heading-sort S] [--locator-sort S]\n"
            "                [--separator S] [--reference R] [--no-link]",
            "Adds a cross-reference (\"HEADING. See LOCATOR\") to the project, as Create\n"
            "Cross-Reference does, and saves the project. The sort texts are copied from\n"
            "HEADING and LOCATOR unless given; the separator is \".\", the reference\n"
            "\"<i>See</i>\", and the locator is a link unless --no-link. Texts are typed in\n"
            "their stored form, as in the dialog; fields it would refuse are refused, each\n"
            "named (exit 1).\n",
            {kWaitOption,
             {"--heading-sort", true, "S", "the heading's sort text (default: HEADING)"},
             {"--locator-sort", true, "S", "the locator's sort text (default: LOCATOR)"},
             {"--separator", true, "S", "the separator after the heading (default: \".\")"},
             {"--reference", true, "R", "the reference text (default: \"<i>See</i>\")"},
             {"--no-link", false, {}, "the locator is not a link"}},
            3,
            3,
            nullptr,
            false,
            addXref};
}

} // namespace torvane

#include "shell/cli/FieldRefusals.h"
#include "document/EntryFieldRules.h"

namespace torvane {

std::vector<std::string> fieldRefusals(const std::vector<TypedField>& fields)
{
    std::vector<std::string> refusals;
    for (const TypedField& field : fields) {
        const std::string name(field.name);
        if (field.text->empty()) {
            if (field.required)
                refusals.push_back(name + " is empty");
            continue;
        }
        FieldProblems problems;
        checkStoredField(*field.text, problems);
        if (problems.marker)
            refusals.push_back(name + " holds \"<!-- HTML Torvane\" or \"HTML Torvane -->\"");
        if (problems.quote)
            refusals.push_back(name + " holds a quotation mark without a backslash before it");
        if (problems.backslash)
            refusals.push_back(name + " holds a backslash before neither a comma, a quotation mark nor a backslash");
        if (problems.lineBreak)
            refusals.push_back(name + " holds a line break or a NUL byte");
    }
    return refusals;
}

} // namespace torvane

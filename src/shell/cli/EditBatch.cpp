#include "shell/cli/EditBatch.h"
#include "shell/cli/EditRun.h"
#include "shell/cli/JsonValue.h"
#include "shell/cli/Subcommand.h"
#include <algorithm>
#include <istream>
#include <sstream>

namespace torvane {

namespace {

// A field of a line that becomes a positional argument (a string, or an
// array of strings for the subcommands that take several) or an option.
struct FieldUse {
    std::string_view field;
    // Empty for a positional argument.
    std::string_view option;
    bool required = true;
};

struct OperationFields {
    std::string_view op;
    std::vector<FieldUse> fields;
};

const std::vector<OperationFields>& operations()
{
    static const std::vector<OperationFields> all {
        {"add-entry",
         {{"target", ""},
          {"indexAs", ""},
          {"sortAs", "--sort-as", false},
          {"helpAs", "--help-as", false},
          {"helpTitle", "--help-title", false},
          {"indexTarget", "--index-target", false},
          {"helpWindow", "--help-window", false},
          {"helpFrame", "--help-frame", false}}},
        {"exclude", {{"target", ""}}},
        {"remove", {{"target", ""}}},
        {"add-files", {{"paths", ""}}},
        {"add-url", {{"url", ""}}},
        {"add-xref",
         {{"heading", ""},
          {"locator", ""},
          {"headingSort", "--heading-sort", false},
          {"locatorSort", "--locator-sort", false},
          {"separator", "--separator", false},
          {"reference", "--reference", false},
          {"linkToLocator", "--no-link", false}}},
        {"forget-kept", {{"pages", "", false}}},
    };
    return all;
}

const OperationFields* findOperation(std::string_view op)
{
    for (const OperationFields& operation : operations())
        if (operation.op == op)
            return &operation;
    return nullptr;
}

// The strings of a field: one, or each of an array. False when it holds anything else.
bool fieldStrings(const JsonValue& value, std::vector<std::string>& strings)
{
    if (value.isString()) {
        strings.push_back(value.text);
        return true;
    }
    if (value.kind != JsonValue::Kind::Array)
        return false;
    for (const JsonValue& item : value.items) {
        if (!item.isString())
            return false;
        strings.push_back(item.text);
    }
    return true;
}

// The arguments the subcommand would have been given for the line's fields;
// an empty text when they make sense, else why not.
std::string argumentsOf(const JsonValue& line, const OperationFields& operation, CliArguments& arguments)
{
    for (const auto& [name, value] : line.members) {
        if (name == "op")
            continue;
        const auto use = std::find_if(operation.fields.begin(), operation.fields.end(),
                                      [&name](const FieldUse& field) { return field.field == name; });
        if (use == operation.fields.end())
            return "unknown field \"" + name + "\" for " + std::string(operation.op);
        if (use->field == "linkToLocator") {
            if (value.kind != JsonValue::Kind::Boolean)
                return "field \"linkToLocator\" must be true or false";
            if (!value.boolean)
                arguments.flags.emplace(use->option);
        } else if (!use->option.empty()) {
            if (!value.isString())
                return "field \"" + name + "\" must be a string";
            arguments.values[std::string(use->option)] = value.text;
        } else if (!fieldStrings(value, arguments.positionals)) {
            return "field \"" + name + "\" must be a string or an array of strings";
        }
    }
    for (const FieldUse& field : operation.fields)
        if (field.required && !line.member(field.field))
            return "missing field \"" + std::string(field.field) + "\"";
    return {};
}

// Carries out one line; nothing when done, else why it was refused, one
// reason a problem.
std::vector<std::string> runLine(EditContext& context, const std::string& projectPath, std::string_view text)
{
    std::string problem;
    const std::optional<JsonValue> line = parseJson(text, problem);
    if (!line)
        return {"not JSON: " + problem};
    if (line->kind != JsonValue::Kind::Object)
        return {"not a JSON object"};
    const JsonValue* op = line->member("op");
    if (!op || !op->isString())
        return {"missing field \"op\""};
    const OperationFields* operation = findOperation(op->text);
    const Subcommand* command = findSubcommand(op->text);
    if (!operation || !command || !command->edit)
        return {"unknown op \"" + op->text + "\""};
    CliArguments arguments;
    arguments.positionals.push_back(projectPath);
    if (problem = argumentsOf(*line, *operation, arguments); !problem.empty())
        return {problem};
    const std::size_t count = arguments.positionals.size();
    const std::string firstField(operation->fields.front().field);
    if (count < command->minArguments)
        return {"field \"" + firstField + "\" holds no value"};
    if (count > command->maxArguments)
        return {"field \"" + firstField + "\" holds several values where one is wanted"};
    std::ostringstream messages;
    std::ostream& err = context.err();
    context.setErr(messages);
    const bool done = command->edit(context, arguments);
    context.setErr(err);
    if (done)
        return {};
    // The edit tells its problems with the batch's own prefix, which the listing gives once.
    std::vector<std::string> reasons;
    std::istringstream told(messages.str());
    for (std::string reason; std::getline(told, reason);)
        reasons.push_back(reason.substr(reason.find(": ") + 2));
    if (reasons.empty())
        reasons.push_back("refused");
    return reasons;
}

} // namespace

std::vector<BatchRefusal> runEditLines(EditContext& context, const std::string& projectPath, std::istream& lines)
{
    std::vector<BatchRefusal> refusals;
    std::size_t number = 0;
    for (std::string text; std::getline(lines, text);) {
        ++number;
        if (text.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        for (std::string& reason : runLine(context, projectPath, text))
            refusals.push_back({number, std::move(reason)});
    }
    return refusals;
}

} // namespace torvane

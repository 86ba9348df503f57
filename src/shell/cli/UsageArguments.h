#pragma once
#include "shell/cli/Subcommand.h"
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// One positional argument as a subcommand's usage line names it:
// "PROJECT.ipj", "TARGET...", "[PAGE...]".
struct ArgumentSlot {
    std::string name;
    bool optional = false;
    bool repeats = false;
};

// The positional arguments of the usage line, in order; the options in
// brackets ("[--sort-as S]") are passed over.
std::vector<ArgumentSlot> argumentSlots(const Subcommand& command);

// What a shell offers for an argument of that name.
enum class ArgumentCompletion {
    Project, // a .ipj file
    Target, // a page, PAGE#ANCHOR or a URL of the project
    Page, // a page of the project
    PageOrUrl, // a page or a URL of the project
    Text, // typed text: nothing to offer
    File, // any file or folder
};
ArgumentCompletion argumentCompletion(std::string_view name);
// Its name in the completion scripts; the kinds of targets are those complete-targets takes.
std::string_view completionName(ArgumentCompletion completion);

// The values an option takes when its value name lists them ("json|csv"); empty otherwise.
std::vector<std::string_view> optionChoices(const OptionSpec& option);

// The subcommand's own options, then those every subcommand takes.
std::vector<OptionSpec> allOptions(const Subcommand& command);

// The words with a blank between each two, as the completion scripts list them.
std::string blankSeparated(const std::vector<std::string_view>& words);

// What each positional argument takes, by completionName, "..." after one
// that repeats: "project target text".
std::string slotKinds(const Subcommand& command);

// The help's first sentence, on one line, to describe the subcommand in a list.
std::string firstSentence(std::string_view help);

} // namespace torvane

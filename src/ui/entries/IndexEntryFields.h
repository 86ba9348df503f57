#pragma once
#include "document/EntryFieldRules.h"
#include "document/EntryValues.h"

namespace torvane {

struct StyleSettings;

// Which outputs the project makes, read when a dialog opens.
struct OutputFlags {
    bool html = true;
    bool htmlHelp = true;
    bool javaHelp = true;

    static OutputFlags of(const StyleSettings& styles);
    bool anyHelp() const { return htmlHelp || javaHelp; }
};

// "Edit Targets..." once any target field is set, else "Add Targets...".
const char* targetsButtonText(const IndexEntryValues& values);

// Where a change typed into one field is copied.
struct AutoCopy {
    bool toIndexAs = false;
    bool toHelpAs = false;
    bool toSortAs = false;
};
AutoCopy autoCopyFromIndexAs(bool autoCopyTicked, const OutputFlags& outputs);
AutoCopy autoCopyFromHelpAs(bool autoCopyTicked, const OutputFlags& outputs);

} // namespace torvane

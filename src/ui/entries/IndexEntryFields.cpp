#include "ui/entries/IndexEntryFields.h"
#include "styles/StyleSettings.h"

namespace torvane {

OutputFlags OutputFlags::of(const StyleSettings& styles)
{
    return {styles.htmlIndex != 0, styles.htmlHelp != 0, styles.javaHelp != 0};
}

const char* targetsButtonText(const IndexEntryValues& values)
{
    const bool anySet = !values.indexTarget.empty() || !values.helpWindow.empty() || !values.helpFrame.empty();
    return anySet ? "Edit Targets..." : "Add Targets...";
}

AutoCopy autoCopyFromIndexAs(bool autoCopyTicked, const OutputFlags& outputs)
{
    AutoCopy copy;
    if (!outputs.html)
        return copy;
    if (autoCopyTicked) {
        copy.toHelpAs = true;
        copy.toSortAs = true;
    } else if (!outputs.anyHelp()) {
        // No help output shows it, yet the entry still needs one.
        copy.toHelpAs = true;
    }
    return copy;
}

AutoCopy autoCopyFromHelpAs(bool autoCopyTicked, const OutputFlags& outputs)
{
    AutoCopy copy;
    if (!outputs.anyHelp())
        return copy;
    copy.toSortAs = autoCopyTicked;
    copy.toIndexAs = !outputs.html;
    return copy;
}

} // namespace torvane

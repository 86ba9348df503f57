#include "generate/OwnOutputs.h"

#include "platform/FileAccess.h"
#include "platform/TextUtil.h"

#include <array>

namespace torvane {

namespace {

// Every output carries one of these early on: the generator tag of the
// index pages, navigation page and HTML Help index, the frame of the
// frame set, or the document type of the JavaHelp files.
constexpr std::array<std::string_view, 4> kOwnMarks = {
    "name=\"generator\" content=\"html torvane (tm)\"",
    "<frame name=\"torvane-nav\"",
    "//dtd javahelp index version 1.0//en",
    "//dtd javahelp map version 1.0//en",
};

// The marks sit in the head, which include files and style sheet links come after.
constexpr std::size_t kMarkSearchLength = 4096;

} // namespace

bool looksLikeOwnOutput(std::string_view start)
{
    if (start.empty())
        return true;
    const std::string lowered = asciiLower(start.substr(0, kMarkSearchLength));
    for (std::string_view mark : kOwnMarks)
        if (lowered.find(mark) != std::string::npos)
            return true;
    return false;
}

bool mayReplaceOutput(const std::string& path)
{
    // Nothing there, or no file to lose: a folder or pipe makes the write itself fail.
    if (!isRegularFile(path))
        return true;
    std::string start;
    if (readFileStart(path, kMarkSearchLength, start).failed())
        return false;
    return looksLikeOwnOutput(start);
}

} // namespace torvane

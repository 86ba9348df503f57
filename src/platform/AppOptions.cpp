#include "platform/AppOptions.h"
#include "platform/TextUtil.h"

namespace torvane {

std::vector<std::string> parseValidExtensions(std::string_view stored)
{
    std::string_view rest = trim(stored);
    if (rest.empty())
        rest = kDefaultValidExtensions;
    std::vector<std::string> extensions;
    while (!rest.empty()) {
        const size_t semicolon = rest.find(';');
        const std::string_view piece = trim(rest.substr(0, semicolon));
        if (!piece.empty())
            extensions.push_back("." + std::string(piece));
        rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    }
    return extensions;
}

std::string joinValidExtensions(const std::vector<std::string>& extensions)
{
    std::string joined;
    for (const std::string& extension : extensions) {
        if (!joined.empty())
            joined += ';';
        joined += std::string_view(extension).substr(extension.starts_with('.') ? 1 : 0);
    }
    return joined;
}

std::vector<std::string> normaliseValidExtensions(Profile& profile)
{
    std::vector<std::string> extensions =
        parseValidExtensions(profile.readString(kOptionsSection, kValidExtensionsKey, kDefaultValidExtensions));
    profile.writeString(kOptionsSection, kValidExtensionsKey, joinValidExtensions(extensions));
    return extensions;
}

int undoQueueSize(const Profile& profile)
{
    return profile.readInt(kOptionsSection, kUndoQueueSizeKey, kDefaultUndoQueueSize);
}

bool shouldPromptTutorial(const Profile& profile)
{
    return profile.readInt(kOptionsSection, kPromptTutorialKey, 1) != 0;
}

void clearPromptTutorial(Profile& profile)
{
    profile.writeInt(kOptionsSection, kPromptTutorialKey, 0);
}

bool hasMakeIndexSwitch(std::string_view commandLine)
{
    bool firstPiece = true;
    size_t start = 0;
    while (start <= commandLine.size()) {
        size_t slash = commandLine.find('/', start);
        if (slash == std::string_view::npos)
            slash = commandLine.size();
        const std::string_view piece = commandLine.substr(start, slash - start);
        start = slash + 1;
        if (piece.empty())
            continue;
        if (firstPiece) {
            firstPiece = false;
            continue;
        }
        if (asciiLower(trimRight(piece)) == "makeindex")
            return true;
    }
    return false;
}

} // namespace torvane

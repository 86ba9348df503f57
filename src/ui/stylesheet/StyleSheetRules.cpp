#include "ui/stylesheet/StyleSheetRules.h"
#include "platform/TextUtil.h"
#include <algorithm>

namespace torvane {

namespace {

constexpr std::string_view kErrorsIntro = "Please correct the following errors:\n\n";

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

// Backslashes of locations written on other systems become the native "/".
std::string nativeSeparators(std::string_view path)
{
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string startPath(std::string_view path, int pathType, std::string_view baseFolder)
{
    if (pathType == PathType::AsEntered)
        return std::string(path);
    return std::string(baseFolder) + nativeSeparators(path);
}

void normaliseFolder(std::string& path, int& pathType)
{
    path = std::string(trim(path));
    if (path.empty())
        pathType = PathType::Relative;
    else if (!isSeparator(path.back()))
        path += '/';
}

BrowsedLocation storeBrowsed(std::string chosen, std::string_view baseFolder, bool projectMode)
{
    if (!projectMode || !startsWithNoCase(chosen, baseFolder))
        return {std::move(chosen), PathType::AsEntered, projectMode};
    return {nativeSeparators(std::string_view(chosen).substr(baseFolder.size())), PathType::Relative, false};
}

} // namespace

std::optional<std::string> checkStylePage(StylePageId page, const StyleSettings& values)
{
    if (page == StylePageId::IndexTypes && !values.htmlIndex && !values.htmlHelp && !values.javaHelp)
        return std::string(kErrorsIntro) + "You must select at least one output file type.\n";
    if (page == StylePageId::Css && values.useClasses && trim(values.stylesheetPath).empty())
        return std::string(kErrorsIntro) + "If you select Use Classes, you must specify a Style Sheet File.";
    return std::nullopt;
}

void normaliseStylePage(StylePageId page, StyleSettings& values)
{
    switch (page) {
    case StylePageId::HeadingLinks:
        normaliseFolder(values.linksGraphicsPath, values.linksGraphicsPathType);
        break;
    case StylePageId::GroupHeadings:
        normaliseFolder(values.groupsGraphicsPath, values.groupsGraphicsPathType);
        break;
    case StylePageId::Enhancements:
        normaliseFolder(values.includePath, values.includePathType);
        normaliseFolder(values.returnPath, values.returnPathType);
        break;
    case StylePageId::Css:
        values.stylesheetPath = std::string(trim(values.stylesheetPath));
        if (values.stylesheetPath.empty())
            values.stylesheetPathType = PathType::Relative;
        break;
    case StylePageId::Layout:
    case StylePageId::IndexTypes:
    case StylePageId::Extensions:
        break;
    }
}

int typedPathType(std::string_view text)
{
    return trimRight(text).empty() ? PathType::Relative : PathType::AsEntered;
}

std::string browseStartFolder(std::string_view path, int pathType, std::string_view baseFolder)
{
    std::string start = startPath(path, pathType, baseFolder);
    // The root folder keeps its only separator.
    if (start.size() > 1 && isSeparator(start.back()))
        start.pop_back();
    return start;
}

std::string browseStartFileFolder(std::string_view path, int pathType, std::string_view baseFolder)
{
    const std::string start = path.empty() ? std::string() : startPath(path, pathType, baseFolder);
    const auto folderEnd = start.find_last_of("/\\");
    if (folderEnd == std::string::npos)
        return browseStartFolder({}, 0, baseFolder);
    return folderEnd == 0 ? std::string("/") : start.substr(0, folderEnd);
}

BrowsedLocation storeBrowsedFolder(std::string chosen, std::string_view baseFolder, bool projectMode)
{
    if (chosen.empty() || !isSeparator(chosen.back()))
        chosen += '/';
    return storeBrowsed(std::move(chosen), baseFolder, projectMode);
}

BrowsedLocation storeBrowsedFile(std::string chosen, std::string_view baseFolder, bool projectMode)
{
    return storeBrowsed(std::move(chosen), baseFolder, projectMode);
}

std::string outsideProjectMessage(std::string_view nounPhrase)
{
    return "You've specified a location for " + std::string(nounPhrase) +
           " that \nis outside the project hierarchy.\n\nMake sure the location is a properly formed URL or a \n"
           "path that is relative to the publication directory.";
}

HeadingLinksEnabling headingLinksEnabling(int appearance, int placement)
{
    const bool graphics = appearance == Appearance::Graphics;
    return {graphics, !graphics, placement != LinksPlacement::SeparateFrame};
}

GroupHeadingsEnabling groupHeadingsEnabling(bool includeHeadings, int appearance, bool groupsRule, bool separateFiles)
{
    return {includeHeadings, includeHeadings && appearance == Appearance::Graphics, !separateFiles, !groupsRule};
}

EnhancementsEnabling enhancementsEnabling(bool includeTop, bool includeBottom, int returnLink)
{
    return {includeTop || includeBottom, returnLink == ReturnLink::Text, returnLink == ReturnLink::Image};
}

} // namespace torvane

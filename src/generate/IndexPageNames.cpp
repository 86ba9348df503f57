#include "generate/IndexPageNames.h"
#include "generate/IndexNode.h"

namespace torvane {

static_assert(kPageGroupOrder[0] == kSymbolsGroup && kPageGroupOrder[1] == kNumbersGroup);

std::string_view bareFileName(std::string_view name)
{
    const std::size_t slash = name.find_last_of("/\\");
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

IndexNameParts splitIndexName(std::string_view configuredName)
{
    const std::string_view name = bareFileName(configuredName);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos)
        return {std::string(name), {}};
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot))};
}

std::string groupName(char group)
{
    if (group == kSymbolsGroup)
        return "Symbols";
    if (group == kNumbersGroup)
        return "Numbers";
    return std::string(1, group);
}

std::string groupPageName(std::string_view base, std::string_view extension, char group)
{
    std::string name(base);
    name += '-';
    name += groupName(group);
    name += extension;
    return name;
}

std::string epubIndexFileName(std::string_view configuredIndexName)
{
    return splitIndexName(configuredIndexName).base + "-epub.xhtml";
}

std::vector<std::string> htmlIndexFileNames(const std::string& base, const std::string& extension)
{
    std::vector<std::string> names = {base + extension, base + "-content" + extension, base + "-nav" + extension};
    for (char group : kPageGroupOrder)
        names.push_back(groupPageName(base, extension, group));
    return names;
}

} // namespace torvane

#include "generate/OutputCollisions.h"

#include "generate/HtmlIndexPlan.h"
#include "generate/OwnOutputs.h"
#include "model/LocalFilesNode.h"
#include "model/ProjectRootNode.h"
#include "model/SourceFile.h"
#include "platform/TextUtil.h"

#include <set>

namespace torvane {

namespace {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const { return compareInProjectOrder(a, b) < 0; }
};

// The files the HTML index named `indexName` may consist of.
std::vector<std::string> htmlIndexFiles(std::string_view indexName)
{
    const IndexNameParts parts = splitIndexName(indexName);
    return htmlIndexFileNames(parts.base, parts.extension);
}

std::string_view outputTitle(IndexOutput output)
{
    switch (output) {
    case IndexOutput::HtmlIndex:
        return "The HTML index";
    case IndexOutput::HtmlHelp:
        return "The HTML Help index";
    case IndexOutput::JavaHelp:
        return "The JavaHelp index";
    case IndexOutput::JavaMap:
        return "The JavaHelp map";
    case IndexOutput::ProjectFile:
        return "The project file";
    }
    return {};
}

} // namespace

std::vector<FileNameCollision> fileNameCollisions(const OutputNames& outputs, std::string_view projectFileName,
                                                  const ProjectRootNode& root, const ReplaceablePage& replaceable)
{
    // Only pages directly in the project directory share the outputs' folder
    // (a page from outside it is kept there under its bare name as well).
    std::set<std::string, NoCaseLess> pages;
    for (const SourceFile* file : root.localFiles().files())
        pages.insert(file->label());
    const std::string project(bareFileName(projectFileName));

    std::vector<FileNameCollision> found;
    auto check = [&](IndexOutput output, const std::string& fileName) {
        const auto page = pages.find(fileName);
        const bool givesWay =
            output != IndexOutput::ProjectFile && replaceable && page != pages.end() && replaceable(*page);
        if (page != pages.end() && !givesWay)
            found.push_back(
                {output, fileName,
                 std::string(outputTitle(output)) + " would overwrite " + fileName + ", a page of the project."});
        else if (output != IndexOutput::ProjectFile && !project.empty() && equalsNoCase(fileName, project))
            found.push_back(
                {output, fileName,
                 std::string(outputTitle(output)) + " would overwrite " + fileName + ", the project file."});
    };
    if (!project.empty())
        check(IndexOutput::ProjectFile, project);
    for (const std::string& name : htmlIndexFiles(outputs.index))
        check(IndexOutput::HtmlIndex, name);
    check(IndexOutput::HtmlHelp, std::string(bareFileName(outputs.htmlHelp)));
    check(IndexOutput::JavaHelp, std::string(bareFileName(outputs.javaHelp)));
    check(IndexOutput::JavaMap, std::string(bareFileName(outputs.javaMap)));
    return found;
}

ReplaceablePage ownOutputsIn(std::string directory)
{
    if (!directory.empty() && directory.back() != '/' && directory.back() != '\\')
        directory += '/';
    return [directory](const std::string& fileName) { return mayReplaceOutput(directory + fileName); };
}

} // namespace torvane

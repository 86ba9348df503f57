#include "generate/MakeIndex.h"
#include "generate/HtmlHelpIndexWriter.h"
#include "generate/HtmlIndexWriter.h"
#include "generate/IndexAutoOpen.h"
#include "generate/JavaHelpWriter.h"
#include "generate/ModernIndexWriter.h"
#include "generate/OutputCollisions.h"
#include "generate/OutputJobs.h"
#include "generate/OwnOutputs.h"
#include "model/ProjectRootNode.h"

namespace torvane {

std::string pageToOpen(const IndexGenerator& generator)
{
    const StyleSettings& style = generator.style();
    if (style.separateFiles && style.linksPlacement != LinksPlacement::SeparateFrame &&
        style.extensions.indexLayout != IndexLayout::Modern)
        return generator.outputPath(generator.groupPageName(generator.firstLetter()));
    return generator.outputPath(generator.outputNames().index);
}

namespace {

// Tells every collision of `output` and whether there was any.
bool collides(const std::vector<FileNameCollision>& collisions, IndexOutput output, MessageSink& messages)
{
    bool found = false;
    for (const FileNameCollision& collision : collisions) {
        if (collision.output != output)
            continue;
        messages.showMessage(collision.message + "\nMake Index leaves it as it is: give the output another name "
                                                 "under Filenames.");
        found = true;
    }
    return found;
}

// A help output is written only over nothing or over an earlier index file.
bool replaceable(const IndexGenerator& generator, const std::string& name, std::string_view failureMessage,
                 MessageSink& messages)
{
    const std::string path = generator.outputPath(name);
    if (mayReplaceOutput(path))
        return true;
    messages.showMessage(std::string(failureMessage) + path + std::string(kNotOwnOutputReason));
    return false;
}

} // namespace

bool makeIndex(const MakeIndexInput& input, AppServices& services, bool mayOpenResult)
{
    IndexGenerator generator;
    generator.setProjectDirectory(input.projectDirectory);
    generator.setOutputNames(input.outputNames);
    generator.setStyle(input.style);
    // The run goes on in byte order: an index in the wrong order beats none.
    if (!generator.collationProblem().empty())
        services.messages.showMessage(generator.collationProblem() + "\nThe index is sorted by byte order.");
    generator.reset();
    generator.collect(input.root);
    const HtmlToolsSettings openWith = readHtmlToolsSettings(services.profile);

    const StyleSettings& style = generator.style();
    MessageSink& messages = services.messages;
    const std::vector<FileNameCollision> collisions =
        fileNameCollisions(input.outputNames, input.projectFileName, input.root, ownOutputsIn(input.projectDirectory));
    const OutputNames& names = input.outputNames;
    bool allWritten = true;
    generator.numberCrossReferenceAnchors();
    // Each output only reads the finished tree, so they are written side by side.
    std::vector<OutputJob> jobs;
    std::string toOpen;
    bool htmlTreeBuilt = false;
    if (style.htmlIndex) {
        if (collides(collisions, IndexOutput::HtmlIndex, messages)) {
            allWritten = false;
        } else {
            generator.buildTree(IndexMode::Html);
            htmlTreeBuilt = true;
            if (mayOpenResult)
                toOpen = pageToOpen(generator);
            jobs.push_back([&generator, &style](MessageSink& sink) {
                return style.extensions.indexLayout == IndexLayout::Modern ? writeModernHtmlIndex(generator, sink)
                                                                           : writeHtmlIndex(generator, sink);
            });
        }
    }
    // The index to be opened is opened before the help outputs are written.
    if (!toOpen.empty()) {
        allWritten &= runOutputJobs(jobs, messages);
        jobs.clear();
        autoOpenIndex(toOpen, openWith, services.shell);
    }
    // The help tree is the HTML tree unless some HelpAs differs from its
    // IndexAs; then it replaces the HTML tree once that has been written.
    if ((style.htmlHelp || style.javaHelp) && (!htmlTreeBuilt || generator.helpTextsDiffer())) {
        allWritten &= runOutputJobs(jobs, messages);
        jobs.clear();
        generator.buildTree(IndexMode::Help);
    }
    generator.releaseSortData();
    if (style.htmlHelp) {
        jobs.push_back([&](MessageSink& sink) {
            const bool blocked =
                collides(collisions, IndexOutput::HtmlHelp, sink) ||
                !replaceable(generator, names.htmlHelp, "Error creating new Html Help index:\n  ", sink);
            return !blocked && writeHtmlHelpIndex(generator, sink);
        });
    }
    if (style.javaHelp) {
        jobs.push_back([&](MessageSink& sink) {
            // The map is never written without its index.
            const bool indexCollides = collides(collisions, IndexOutput::JavaHelp, sink);
            const bool mapCollides = collides(collisions, IndexOutput::JavaMap, sink);
            const bool blocked =
                indexCollides || mapCollides ||
                !replaceable(generator, names.javaHelp, "Error creating new JavaHelp index:\n  ", sink) ||
                !replaceable(generator, names.javaMap, "Error creating new JavaHelp index:\n  ", sink);
            return !blocked && writeJavaHelpFiles(generator, sink);
        });
    }
    allWritten &= runOutputJobs(jobs, messages);
    return allWritten;
}

} // namespace torvane

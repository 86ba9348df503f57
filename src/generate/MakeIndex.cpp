#include "generate/MakeIndex.h"
#include "generate/HtmlHelpIndexWriter.h"
#include "generate/HtmlIndexWriter.h"
#include "generate/IndexAutoOpen.h"
#include "generate/JavaHelpWriter.h"
#include "generate/ModernIndexWriter.h"
#include "generate/OutputCollisions.h"
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
        if (collision.output != output) continue;
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
    if (mayReplaceOutput(path)) return true;
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
        fileNameCollisions(input.outputNames, input.projectFileName, input.root);
    const OutputNames& names = input.outputNames;
    bool allWritten = true;
    generator.numberCrossReferenceAnchors();
    if (style.htmlIndex) {
        if (collides(collisions, IndexOutput::HtmlIndex, messages)) {
            allWritten = false;
        } else {
            generator.buildTree(IndexMode::Html);
            const bool modern = style.extensions.indexLayout == IndexLayout::Modern;
            allWritten &= modern ? writeModernHtmlIndex(generator, messages) : writeHtmlIndex(generator, messages);
            if (mayOpenResult) autoOpenIndex(pageToOpen(generator), openWith, services.shell);
        }
    }
    if (style.htmlHelp || style.javaHelp) generator.buildTree(IndexMode::Help);
    if (style.htmlHelp) {
        const bool blocked = collides(collisions, IndexOutput::HtmlHelp, messages) ||
                             !replaceable(generator, names.htmlHelp, "Error creating new Html Help index:\n  ", messages);
        allWritten &= !blocked && writeHtmlHelpIndex(generator, messages);
    }
    if (style.javaHelp) {
        // The map is never written without its index.
        const bool indexCollides = collides(collisions, IndexOutput::JavaHelp, messages);
        const bool mapCollides = collides(collisions, IndexOutput::JavaMap, messages);
        const bool blocked =
            indexCollides || mapCollides ||
            !replaceable(generator, names.javaHelp, "Error creating new JavaHelp index:\n  ", messages) ||
            !replaceable(generator, names.javaMap, "Error creating new JavaHelp index:\n  ", messages);
        allWritten &= !blocked && writeJavaHelpFiles(generator, messages);
    }
    return allWritten;
}

} // namespace torvane

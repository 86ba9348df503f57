#include "generate/MakeIndex.h"
#include "generate/HtmlHelpIndexWriter.h"
#include "generate/HtmlIndexWriter.h"
#include "generate/IndexAutoOpen.h"
#include "generate/JavaHelpWriter.h"
#include "generate/ModernIndexWriter.h"

namespace torvane {

std::string pageToOpen(const IndexGenerator& generator)
{
    const StyleSettings& style = generator.style();
    if (style.separateFiles && style.linksPlacement != 2 && style.extensions.indexLayout != 1)
        return generator.outputPath(generator.groupPageName(generator.firstLetter()));
    return generator.outputPath(generator.outputNames().htmlIndex);
}

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
    AutoOpenSettings openWith = readAutoOpenSettings(services.profile);

    const StyleSettings& style = generator.style();
    bool allWritten = true;
    generator.numberCrossReferenceAnchors();
    if (style.htmlIndex) {
        generator.buildTree(IndexMode::Html);
        allWritten &= style.extensions.indexLayout == 1 ? writeModernHtmlIndex(generator, services.messages)
                                                        : writeHtmlIndex(generator, services.messages);
        if (mayOpenResult) autoOpenIndex(pageToOpen(generator), openWith, services.shell);
    }
    if (style.htmlHelp || style.javaHelp) generator.buildTree(IndexMode::Help);
    if (style.htmlHelp) allWritten &= writeHtmlHelpIndex(generator, services.messages);
    if (style.javaHelp) allWritten &= writeJavaHelpFiles(generator, services.messages);
    return allWritten;
}

} // namespace torvane

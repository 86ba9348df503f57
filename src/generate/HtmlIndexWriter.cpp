#include "generate/HtmlIndexWriter.h"
#include "generate/HtmlIndexBody.h"
#include "generate/HtmlIndexChrome.h"
#include "generate/HtmlIndexFiles.h"
#include "generate/IndexGenerator.h"
#include "generate/OwnOutputs.h"
#include "platform/FileAccess.h"
#include <set>
#include <tuple>

namespace torvane {

namespace {

PageTargets targetsOf(const HtmlIndexPlan& plan, PageGroups page)
{
    PageTargets targets;
    if (page.group == 0) {
        targets.symbols = targets.numbers = true;
        targets.firstLetter = 'A';
        targets.lastLetter = 'Z';
    } else if (page.group == kSymbolsGroup) {
        targets.symbols = true;
    } else if (page.group == kNumbersGroup) {
        targets.numbers = true;
    } else {
        std::tie(targets.firstLetter, targets.lastLetter) = plan.letterRange(page.group);
    }
    targets.anchorNumbers = anchorNumbersOnPage(plan, page);
    return targets;
}

bool writePage(const HtmlIndexPlan& plan, const std::string& fileName, PageGroups page, MessageSink& messages,
               std::set<std::string>& written)
{
    bool ok = true;
    const std::string top = plan.style.includeTop ? includeFileText(plan, "Top.htm", ok, messages) : "";
    std::string out;
    out.reserve(plan.pageSizeHint + top.size());
    appendPageOpening(out, plan, targetsOf(plan, page), top);
    appendPageBody(out, plan, page);
    const std::string bottom = plan.style.includeBottom ? includeFileText(plan, "Bottom.htm", ok, messages) : "";
    appendPageClosing(out, plan, bottom);
    return writeFile(plan, fileName, out, "Error creating new index:\n  ", messages, written) && ok;
}

bool writeHtmlIndexPages(const HtmlIndexPlan& plan, MessageSink& messages, std::set<std::string>& written)
{
    bool ok = true;
    if (plan.framed()) {
        ok &= writeFile(plan, plan.indexFileName(), framesetText(plan),
                        "Error creating new Html Index frameset:\n  ", messages, written);
        ok &= writeFile(plan, plan.navigationFileName(), navigationPageText(plan),
                        "Error creating new Html Index navigation:\n  ", messages, written);
    }
    if (!plan.separateFiles())
        return writePage(plan, plan.framed() ? plan.contentFileName() : plan.indexFileName(), {}, messages,
                         written) &&
               ok;

    std::string groups = {kSymbolsGroup, kNumbersGroup};
    groups += kBasicLetters;
    for (char group : groups)
        if (plan.isPresent(group)) ok &= writePage(plan, plan.groupPageName(group), {group}, messages, written);
    // Without letter entries the frame set and the letter links still name the first letter's page.
    if (!plan.anyLetterPresent())
        ok &= writePage(plan, plan.groupPageName(plan.firstLetter), {plan.firstLetter}, messages, written);
    return ok;
}

} // namespace

bool writeHtmlIndex(const IndexGenerator& generator, MessageSink& messages)
{
    return writeHtmlIndex(HtmlIndexPlan::fromGenerator(generator), messages);
}

bool writeHtmlIndex(const HtmlIndexPlan& plan, MessageSink& messages)
{
    std::set<std::string> written;
    const bool ok = writeHtmlIndexPages(plan, messages, written);
    removeEarlierFiles(plan, written);
    return ok;
}

} // namespace torvane

#include "generate/HtmlIndexWriter.h"
#include "generate/HtmlIndexBody.h"
#include "generate/HtmlIndexChrome.h"
#include "generate/IndexGenerator.h"
#include "platform/FileAccess.h"
#include <filesystem>
#include <system_error>
#include <tuple>

namespace torvane {

namespace {

const char* const kLetterGroups = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Files of an earlier run that this run may not write again.
void removeEarlierFiles(const HtmlIndexPlan& plan)
{
    for (const std::string& name : htmlIndexFileNames(plan.base, plan.extension)) {
        std::error_code ignored;
        std::filesystem::remove(plan.pathOf(name), ignored);
    }
}

bool writeFile(const HtmlIndexPlan& plan, const std::string& fileName, std::string_view text,
               std::string_view failureMessage, MessageSink& messages)
{
    const std::string path = plan.pathOf(fileName);
    if (!writeFileAtomically(path, text).has_value()) return true;
    messages.showMessage(std::string(failureMessage) + path);
    return false;
}

// The lines of an include file, each ended CR LF; empty when it cannot be read.
std::string includeFileText(const HtmlIndexPlan& plan, std::string_view fileName, bool& ok,
                            MessageSink& messages)
{
    std::string path = plan.style.includePathType == 0 ? plan.directory : std::string();
    path += plan.style.includePath;
    path += fileName;
    std::string content;
    if (readWholeFile(path, content)) {
        messages.showMessage("Failed to open include file.\n\nFile: " + path);
        ok = false;
        return {};
    }
    std::string text;
    text.reserve(content.size() + content.size() / 16);
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const std::size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos) end = content.size();
        if (end > start && content[end - 1] == '\r') --end;
        text.append(content, start, end - start);
        text += kHtmlEol;
        start = next;
    }
    return text;
}

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

bool writePage(const HtmlIndexPlan& plan, const std::string& fileName, PageGroups page, MessageSink& messages)
{
    bool ok = true;
    const std::string top = plan.style.includeTop ? includeFileText(plan, "Top.htm", ok, messages) : "";
    std::string out;
    out.reserve(plan.pageSizeHint + top.size());
    appendPageOpening(out, plan, targetsOf(plan, page), top);
    appendPageBody(out, plan, page);
    const std::string bottom = plan.style.includeBottom ? includeFileText(plan, "Bottom.htm", ok, messages) : "";
    appendPageClosing(out, plan, bottom);
    return writeFile(plan, fileName, out, "Error creating new index:\n  ", messages) && ok;
}

} // namespace

bool writeHtmlIndex(const IndexGenerator& generator, MessageSink& messages)
{
    return writeHtmlIndex(HtmlIndexPlan::fromGenerator(generator), messages);
}

bool writeHtmlIndex(const HtmlIndexPlan& plan, MessageSink& messages)
{
    removeEarlierFiles(plan);
    bool ok = true;
    if (plan.framed()) {
        ok &= writeFile(plan, plan.indexFileName(), framesetText(plan),
                        "Error creating new Html Index frameset:\n  ", messages);
        ok &= writeFile(plan, plan.navigationFileName(), navigationPageText(plan),
                        "Error creating new Html Index navigation:\n  ", messages);
    }
    if (!plan.separateFiles())
        return writePage(plan, plan.framed() ? plan.contentFileName() : plan.indexFileName(), {}, messages) && ok;

    std::string groups = {kSymbolsGroup, kNumbersGroup};
    groups += kLetterGroups;
    for (char group : groups)
        if (plan.isPresent(group)) ok &= writePage(plan, plan.groupPageName(group), {group}, messages);
    // Without letter entries the frame set and the letter links still name the first letter's page.
    if (!plan.anyLetterPresent())
        ok &= writePage(plan, plan.groupPageName(plan.firstLetter), {plan.firstLetter}, messages);
    return ok;
}

} // namespace torvane

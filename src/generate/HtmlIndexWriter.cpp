#include "generate/HtmlIndexWriter.h"
#include "generate/HtmlIndexBody.h"
#include "generate/HtmlIndexChrome.h"
#include "generate/HtmlIndexFiles.h"
#include "generate/IndexGenerator.h"
#include "generate/OutputFile.h"
#include "generate/OwnOutputs.h"
#include "platform/FileAccess.h"
#include "platform/TextUtil.h"
#include <set>
#include <tuple>

namespace torvane {

namespace {
const char* const kLetterGroups = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
} // namespace

// Files of an earlier run that this run did not write again; only what
// HTML Torvane wrote as an index file is removed.
void removeEarlierFiles(const HtmlIndexPlan& plan, const std::set<std::string>& written)
{
    for (const std::string& name : htmlIndexFileNames(plan.base, plan.extension)) {
        if (written.count(name))
            continue;
        const std::string path = plan.pathOf(name);
        if (fileExists(path) && mayReplaceOutput(path))
            deleteFile(path);
    }
}

// Each page replaces its earlier version atomically, and only an earlier index
// file. `writeText` hands the file's text to the drain it is given.
template <typename WriteText>
bool streamFile(const HtmlIndexPlan& plan, const std::string& fileName, WriteText writeText,
                std::string_view failureMessage, MessageSink& messages, std::set<std::string>& written)
{
    const std::string path = plan.pathOf(fileName);
    written.insert(fileName);
    if (!mayReplaceOutput(path)) {
        messages.showMessage(std::string(failureMessage) + path + std::string(kNotOwnOutputReason));
        return false;
    }
    OutputFile file;
    if (file.open(path)) {
        writeText(static_cast<TextDrain&>(file));
        if (file.commit())
            return true;
    }
    messages.showMessage(std::string(failureMessage) + path);
    return false;
}

bool writeFile(const HtmlIndexPlan& plan, const std::string& fileName, const std::string& text,
               std::string_view failureMessage, MessageSink& messages, std::set<std::string>& written)
{
    return streamFile(
        plan, fileName, [&text](TextDrain& file) { file.take(text); }, failureMessage, messages, written);
}

// The lines of an include file, each ended CR LF; empty when it cannot be read.
std::string includeFileText(const HtmlIndexPlan& plan, std::string_view fileName, bool& ok, MessageSink& messages)
{
    std::string path = plan.style.includePathType == PathType::Relative ? plan.directory : std::string();
    path += plan.style.includePath;
    path += fileName;
    std::string content;
    if (readWholeFile(path, content).failed()) {
        messages.showMessage("Failed to open include file.\n\nFile: " + path);
        ok = false;
        return {};
    }
    std::string text;
    text.reserve(content.size() + content.size() / 16);
    for (std::string_view line : splitLines(content)) {
        text += line;
        text += kHtmlEol;
    }
    return text;
}

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
    const std::string bottom = plan.style.includeBottom ? includeFileText(plan, "Bottom.htm", ok, messages) : "";
    const auto writeText = [&](TextDrain& file) {
        std::string out;
        appendPageOpening(out, plan, targetsOf(plan, page), top);
        writePageBody(out, plan, page, file);
        appendPageClosing(out, plan, bottom);
        file.take(out);
    };
    return streamFile(plan, fileName, writeText, "Error creating new index:\n  ", messages, written) && ok;
}

bool writeHtmlIndexPages(const HtmlIndexPlan& plan, MessageSink& messages, std::set<std::string>& written)
{
    bool ok = true;
    if (plan.framed()) {
        ok &= writeFile(plan, plan.indexFileName(), framesetText(plan), "Error creating new Html Index frameset:\n  ",
                        messages, written);
        ok &= writeFile(plan, plan.navigationFileName(), navigationPageText(plan),
                        "Error creating new Html Index navigation:\n  ", messages, written);
    }
    if (!plan.separateFiles())
        return writePage(plan, plan.framed() ? plan.contentFileName() : plan.indexFileName(), {}, messages, written) &&
               ok;

    std::string groups = {kSymbolsGroup, kNumbersGroup};
    groups += kLetterGroups;
    for (char group : groups)
        if (plan.isPresent(group))
            ok &= writePage(plan, plan.groupPageName(group), {group}, messages, written);
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

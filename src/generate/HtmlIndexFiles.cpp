#include "generate/HtmlIndexFiles.h"
#include "generate/HtmlIndexChrome.h"
#include "generate/OwnOutputs.h"
#include "platform/FileAccess.h"

namespace torvane {

void removeEarlierFiles(const HtmlIndexPlan& plan, const std::set<std::string>& written)
{
    for (const std::string& name : htmlIndexFileNames(plan.base, plan.extension)) {
        if (written.count(name)) continue;
        const std::string path = plan.pathOf(name);
        if (fileExists(path) && mayReplaceOutput(path)) deleteFile(path);
    }
}

bool writeFile(const HtmlIndexPlan& plan, const std::string& fileName, std::string_view text,
               std::string_view failureMessage, MessageSink& messages, std::set<std::string>& written)
{
    const std::string path = plan.pathOf(fileName);
    written.insert(fileName);
    if (!mayReplaceOutput(path)) {
        messages.showMessage(std::string(failureMessage) + path + std::string(kNotOwnOutputReason));
        return false;
    }
    if (!writeFileAtomically(path, text).has_value()) return true;
    messages.showMessage(std::string(failureMessage) + path);
    return false;
}

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

} // namespace torvane

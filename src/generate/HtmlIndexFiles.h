#pragma once
#include "generate/HtmlIndexPlan.h"
#include "platform/MessageSink.h"
#include <set>
#include <string>
#include <string_view>

namespace torvane {

// The file handling every layout of the HTML index shares (kept beside the
// classic pages' writer).

// Files of an earlier run that this run did not write again; only what
// HTML Torvane wrote as an index file is removed.
void removeEarlierFiles(const HtmlIndexPlan& plan, const std::set<std::string>& written);

// Writes one page whole, replacing only an earlier index file, and notes its
// name in `written`; tells `failureMessage` and the path when it cannot.
bool writeFile(const HtmlIndexPlan& plan, const std::string& fileName, const std::string& text,
               std::string_view failureMessage, MessageSink& messages, std::set<std::string>& written);

// The lines of an include file, each ended CR LF; empty, and `ok` cleared
// after telling so, when it cannot be read.
std::string includeFileText(const HtmlIndexPlan& plan, std::string_view fileName, bool& ok, MessageSink& messages);

} // namespace torvane

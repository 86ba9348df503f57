#pragma once
#include "generate/HtmlIndexPlan.h"
#include "platform/MessageSink.h"

namespace torvane {

class IndexGenerator;

// Writes the HTML index from the generator's tree (built in HTML mode): one
// page, a frame set with navigation and content pages, or one page per group.
// Each file that cannot be written, and each include file that cannot be
// read, is told to `messages` at once and the other files are still written.
// Returns false when anything was told.
bool writeHtmlIndex(const IndexGenerator& generator, MessageSink& messages);
bool writeHtmlIndex(const HtmlIndexPlan& plan, MessageSink& messages);

} // namespace torvane

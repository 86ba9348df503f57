#pragma once
#include "platform/MessageSink.h"

namespace torvane {

class IndexGenerator;

// Writes the HTML index as one HTML5 page from the generator's tree (built in
// HTML mode): a letter bar, one section per group in the language's
// alphabet, nested lists, a filter box, light and dark colours and columns
// that fold to one on a narrow screen. Tells `messages` of every file that
// cannot be written or read; returns false when it told anything.
bool writeModernHtmlIndex(const IndexGenerator& generator, MessageSink& messages);

} // namespace torvane

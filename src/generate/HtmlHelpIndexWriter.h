#pragma once
#include "platform/MessageSink.h"

namespace torvane {

class IndexGenerator;

// Writes the HTML Help keyword index (the "Html Help=" file) from the tree
// built in help mode. Returns false, after telling the user, when the file
// cannot be written.
bool writeHtmlHelpIndex(const IndexGenerator& generator, MessageSink& messages);

} // namespace torvane

#pragma once
#include "platform/MessageSink.h"
#include <string>
#include <string_view>

namespace torvane {

class IndexGenerator;

// Writes the JavaHelp index (the "Java Help=" file) from the tree built in
// help mode, and, only when that succeeded, the matching map ("Java Map=").
// Returns false, after telling the user, when either file cannot be written.
bool writeJavaHelpFiles(const IndexGenerator& generator, MessageSink& messages);

// An attribute value made safe for XML: "&", "<" and the double quote are
// escaped; character references and the predefined entities already in the
// text are kept as they are.
std::string xmlAttributeValue(std::string_view text);

} // namespace torvane

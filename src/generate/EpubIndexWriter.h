#pragma once
#include "platform/MessageSink.h"

namespace torvane {

class IndexGenerator;

// Writes the index as an XHTML content document in the EPUB index vocabulary
// (one list per letter group, nested lists for subentries, "See" lines as
// cross-reference links), ready for a book's spine beside the pages it links
// to, from the tree built in HTML mode. Returns false, after telling the
// user, when the file cannot be written.
bool writeEpubIndex(const IndexGenerator& generator, MessageSink& messages);

} // namespace torvane

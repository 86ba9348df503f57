#pragma once
#include "generate/IndexNode.h"
#include "styles/StyleSettings.h"
#include <string>

namespace torvane {

// Appends one line of the modern index page and its subentries as nested
// list items: a heading with one link is that link; a heading with several
// names each linked page by its title; "See" lines follow the heading with
// their words marked up. `depth` only indents the markup.
void appendModernEntry(std::string& out, const IndexNode& node, const StyleSettings& style, int depth);

} // namespace torvane

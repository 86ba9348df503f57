#pragma once
#include "generate/IndexNode.h"
#include "generate/ModernAnchors.h"
#include "styles/StyleSettings.h"
#include <string>

namespace torvane {

// Appends one line of the modern index page and its subentries as nested
// list items: a heading with one link is that link; a heading with several
// names each linked page by its title; "See" lines follow the heading with
// their words marked up, linked when their target is a line. Pages named
// alike are told apart by a number. `depth` only indents the markup.
void appendModernEntry(std::string& out, const IndexNode& node, const StyleSettings& style,
                       const ModernAnchors& anchors, int depth);

} // namespace torvane

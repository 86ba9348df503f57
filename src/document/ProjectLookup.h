#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class ExternalUrl;
class ProjectNode;
class ProjectRootNode;
class SourceFile;

// Finding the pages and URLs of a project by the names a user writes (see
// TargetLookup for how names match), and selecting what was found.

// Every listed page and URL, in tree order.
std::vector<SourceFile*> listedPages(ProjectRootNode& root);
std::vector<ExternalUrl*> listedUrls(ProjectRootNode& root);

// One-off lookups, each a walk of the whole tree.
SourceFile* findPage(ProjectRootNode& root, std::string_view relativePath);
ExternalUrl* findUrl(ProjectRootNode& root, std::string_view url);

// Selects exactly `nodes` in the tree (a page without its anchors), so that
// the document's selection-based actions work on them.
void selectOnly(ProjectRootNode& root, const std::vector<ProjectNode*>& nodes);

} // namespace torvane

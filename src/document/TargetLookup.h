#pragma once
#include <string>
#include <string_view>
#include <unordered_map>

namespace torvane {

class EntryHolder;
class ExternalUrl;
class ProjectRootNode;
class SourceFile;

// Finds the places of a project by the names a user writes: a page by its
// path below the project folder (either separator), an anchor as
// "page#name", a URL as listed.
// The project's pages and URLs are listed once, so that a command naming many
// places costs one walk of the tree, not one per name. Valid while no page
// or URL is added, removed or moved.
class TargetLookup {
public:
    explicit TargetLookup(ProjectRootNode& root);

    // The listed page; a path that differs from the listed one only in letter
    // case finds it too when no page matches exactly.
    SourceFile* findPage(std::string_view relativePath) const;
    // The listed URL, matched exactly.
    ExternalUrl* findUrl(std::string_view url) const;
    // A listed URL, a page ("#" is the page itself) or an anchor of a page;
    // null when the project lists no such place.
    EntryHolder* findTarget(std::string_view text) const;
    // Why findTarget(text) finds nothing, as a refusal gives the reason after
    // the name: which part of it is unknown.
    std::string whyNotFound(std::string_view text) const;

private:
    // The first in tree order wins where several share a key.
    std::unordered_map<std::string, SourceFile*> pages_;
    std::unordered_map<std::string, SourceFile*> foldedPages_;
    std::unordered_map<std::string_view, ExternalUrl*> urls_;
};

} // namespace torvane

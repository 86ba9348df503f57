#pragma once
#include "platform/FileAccess.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace torvane {

class ProjectRootNode;
class SourceFile;

// Where the pages of a project really are on disk, for the loads of one
// open or Add Files: the letter case of listed names, the files behind
// names (so that one file is one page), and which pages lie outside the
// project folder.
class PageLocations {
public:
    // A listed page as found on disk.
    struct Located {
        std::string path; // spelled as on disk
        PathFacts facts; // of `path`
    };

    // Takes note of the pages the tree holds already.
    PageLocations(const std::string& projectDirectory, ProjectRootNode& root);

    // `fullPath` with each name below the project directory that does not
    // exist spelled as the one entry of its folder that differs from it only
    // in letter case (a project file written on a system that ignores case).
    // Unchanged when it exists or there is no single such entry. One look at
    // the disk for a page that exists as listed.
    Located locate(const std::string& fullPath) const;

    // The page of the tree that is the file at `page.path` under another
    // path; null when there is none.
    SourceFile* sameFileElsewhere(const Located& page) const;
    // `page` as the tree spells the path of `file`, loaded from it.
    static Located asInTree(const SourceFile& file, const Located& page);
    // Notes a page just loaded, found at `page`.
    void add(SourceFile& file, const Located& page);

    // True when the page's file resolves outside the project folder.
    bool isOutsideProject(const Located& page);

private:
    // The path of a page that does not exist as listed, spelled as on disk.
    std::string spelledAsOnDisk(const std::string& fullPath) const;
    void add(SourceFile& file, const std::optional<FileIdentity>& identity);
    const std::string& resolvedFolder(const std::string& folder);

    std::string projectDirectory_;
    std::string resolvedProject_;
    std::map<FileIdentity, SourceFile*> pages_;
    // Folders resolved once for all their pages, "" for none.
    std::unordered_map<std::string, std::string> resolvedFolders_;
};

// Told after a load for names refused as another name of a page: "path"
// then the page it duplicates, one pair a line.
inline constexpr std::string_view kSameFileMessage =
    "These files were not added: each is another name of a page that the project holds already.\n\n";
// Told after a load for pages outside the project folder, one a line.
inline constexpr std::string_view kOutsidePagesMessage =
    "These pages lie outside the project folder. HTML Torvane reads them, but a save leaves them unchanged "
    "unless \"Write Pages Outside Project=1\" is set in the \"Torvane Options\" section of the profile.\n\n";
// Told when Add Files or a drop found no page to add.
inline constexpr std::string_view kNothingAddedMessage =
    "Nothing was added: no page was chosen, or every page chosen is in the project already.";
// The profile key that allows saves to write pages outside the project folder.
inline constexpr std::string_view kWriteOutsideProjectKey = "Write Pages Outside Project";

} // namespace torvane

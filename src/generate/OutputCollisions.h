#pragma once
#include "generate/IndexGenerator.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class ProjectRootNode;

enum class IndexOutput { HtmlIndex, HtmlHelp, JavaHelp, JavaMap, ProjectFile };

// A file name of the project that would replace or remove a file it must
// not: a page the project lists, or the project file.
struct FileNameCollision {
    IndexOutput output;
    std::string fileName; // the colliding file, as the output would write it
    std::string message; // one line for the user
};

// Every collision of the project's file names with its listed pages and with
// each other's roles: an output (or an HTML index companion page) named like
// a page in the project directory or like the project file, and a project
// file named like a page. Names are compared without regard to ASCII letter
// case, so that the answer holds on every file system. Pure: reads no disk
// but through `replaceable`, which tells whether a listed page in the
// project directory may give way to an output all the same (an earlier
// index of this program's own, or a page gone from the disk).
using ReplaceablePage = std::function<bool(const std::string& fileName)>;
std::vector<FileNameCollision> fileNameCollisions(const OutputNames& outputs, std::string_view projectFileName,
                                                  const ProjectRootNode& root, const ReplaceablePage& replaceable = {});

// Answers `replaceable` from the files of `directory`: missing, or written
// by this program as an index file.
ReplaceablePage ownOutputsIn(std::string directory);

} // namespace torvane

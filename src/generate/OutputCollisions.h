#pragma once
#include "generate/IndexGenerator.h"

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
// case, so that the answer holds on every file system. Pure: reads no disk.
std::vector<FileNameCollision> fileNameCollisions(const OutputNames& outputs, std::string_view projectFileName,
                                                  const ProjectRootNode& root);

} // namespace torvane

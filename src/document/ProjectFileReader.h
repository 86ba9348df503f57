#pragma once
#include "generate/OutputNames.h"
#include "styles/ProjectSections.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class ProjectRootNode;

// Reading a project file (versions 4.0 and 3.0). The file is taken as a list
// of lines; the version line, comments, unknown sections and unknown keys are
// passed over without complaint, and a missing section leaves its part of
// the project empty.

// Splits at CR LF, LF and a lone CR (files saved by editors that end lines
// with CR alone).
std::vector<std::string> splitProjectLines(std::string_view text);

// Whether the lines show a project file at all: a version line or a section
// line. A text without either would open as an empty project.
bool holdsProjectLines(std::span<const std::string> lines);

struct LocalFilesSection {
    OutputNames names;
    // "File=" values in file order, unchanged ("sub\\page.htm"); values
    // that name no file (empty, or ending in a separator) are left out.
    std::vector<std::string> relativePaths;
};

// Output names (trimmed, defaults for empty ones) and the listed files.
LocalFilesSection readLocalFilesSection(std::span<const std::string> lines);

// Adds the external URLs with their entries. A URL without entry lines is
// excluded; entry pairs before the first URL have nothing to attach to and
// are dropped.
void readExternalUrlsSection(std::span<const std::string> lines, ProjectRootNode& root);

// Adds the cross-references under their locators, filling empty fields with
// their defaults.
void readCrossReferencesSection(std::span<const std::string> lines, ProjectRootNode& root);

} // namespace torvane

#pragma once
#include "generate/OutputNames.h"

#include <functional>
#include <string>

namespace torvane {

class CrossReference;
class ProjectRootNode;
class SourceFile;
struct StyleSettings;

// Writing a project file. Every line ends with CR LF; field values are
// written exactly as the records hold them (already escaped).

// Called for every source file, in walk order, before its "File=" line is
// written; `index` counts from 0 up to `count` - 1.
using SourceFileVisit = std::function<void(SourceFile& file, int index, int count)>;

// The whole version 4.0 layout: header, the six style sections, local files,
// external URLs, cross-references and, when kept, the extensions section.
std::string writeProjectFile(const StyleSettings& styles, const OutputNames& names, ProjectRootNode& root,
                             const SourceFileVisit& beforeFileLine);

// The line that stores one cross-reference, without its line end.
std::string storedCrossReference(const CrossReference& record);

// The first file of a new project: the version 3.0 header and the output
// names, without styles, files, URLs or cross-references.
std::string versionThreeProjectFile(const OutputNames& names);

// What a renamed project file holds until the next save: the same, under the
// version 4.0 header.
std::string renamedProjectStub(const OutputNames& names);

} // namespace torvane

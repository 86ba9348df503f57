// Any bytes as a project file: reading must not crash, and what the reader
// makes of it must survive a write and a second read unchanged (the first
// write may tidy the text; from then on it is a fixed point).
#include "document/ProjectFileReader.h"
#include "document/ProjectFileWriter.h"
#include "model/ProjectRootNode.h"
#include "styles/StyleSettings.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The project as the reader sees it, written out again. Pages are put into
// the tree by name only: nothing is read from the disk.
std::string readAndWrite(std::string_view text)
{
    using namespace torvane;
    const std::vector<std::string> lines = splitProjectLines(text);
    holdsProjectLines(lines);
    StyleSettings styles;
    readStyleSections(lines, styles);
    const LocalFilesSection files = readLocalFilesSection(lines);
    ProjectRootNode root;
    root.setProjectDirectory("/project/");
    for (const std::string& relative : files.relativePaths)
        root.findOrCreateFile("/project/" + relative);
    readExternalUrlsSection(lines, root);
    readCrossReferencesSection(lines, root);
    return writeProjectFile(styles, files.names, root, nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string once = readAndWrite(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string twice = readAndWrite(once);
    if (readAndWrite(twice) != twice)
        std::abort();
    return 0;
}

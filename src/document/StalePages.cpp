#include "document/StalePages.h"

#include "model/SourceFile.h"
#include "sources/CommentBlock.h"

#include <string>

namespace torvane {

namespace {

// What a rewrite would put into the page.
std::string storedForm(const SourceFile& file)
{
    return buildMetaTags(file) + buildCommentBlock(file);
}

} // namespace

void markIfDifferingFromDisk(SourceFile& restored, const SourceFile* replaced)
{
    if (restored.isModified() || restored.isMissing())
        return;
    const bool agrees = replaced && !replaced->isModified() && storedForm(*replaced) == storedForm(restored);
    if (!agrees)
        restored.setModified(true);
}

} // namespace torvane

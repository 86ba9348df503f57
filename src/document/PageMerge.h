#pragma once
#include <memory>

namespace torvane {

class CHtmlFile;
class SourceFile;

// A page changed on disk by another writer while this program changed its
// entries too. Gives the page as read now (`page`, not yet scanned) carrying
// this program's changes since `base` (its state when last read or saved,
// which gave `ours`) wherever they combine with the other writer's; nothing
// when they do not (both changed one anchor in ways that do not combine,
// or this program's changes are for an anchor the page no longer has).
std::unique_ptr<SourceFile> mergePage(const SourceFile& base, const SourceFile& ours, CHtmlFile& page);

} // namespace torvane

#pragma once
#include <QIcon>
#include <QPixmap>
#include <vector>

namespace torvane {

// The program's pictures, kept as SVG files in its resources (Icons.qrc).

// Toolbar button picture of a command (16 by 15); a null icon for commands
// without a button.
QIcon toolbarIcon(int commandId);

// The seven tree pictures (20 by 15), indexed by a node's icon kind:
// folder, page, missing page, unreadable page, anchor, URL, locator.
const std::vector<QPixmap>& nodeImages();

// The ten list pictures (20 by 14), indexed by a record's entry kind.
const std::vector<QPixmap>& entryImages();

// The program's window icon.
QIcon applicationIcon();

} // namespace torvane

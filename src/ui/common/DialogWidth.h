#pragma once

class QWidget;

namespace torvane {

// The width a window needs so that its whole title shows in the title bar:
// the title's text plus room for the icon and the window buttons beside it.
int titleBarWidth(const QWidget& window);

// Keeps `dialog` at least as wide as its title needs and as `textColumns`
// average characters of its font, so that the window manager neither cuts
// the title nor squeezes the fields. Call after the title is set.
void setReadableMinimumWidth(QWidget& dialog, int textColumns);

} // namespace torvane

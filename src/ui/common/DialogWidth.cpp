#include "ui/common/DialogWidth.h"
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace torvane {

namespace {

// Icon, three buttons and the padding between them, in lines of text: title
// bars are about a line and a half high, their buttons square.
constexpr int kTitleBarLines = 8;

} // namespace

int titleBarWidth(const QWidget& window)
{
    // Title bars use a bold face on most desktops.
    QFont font = window.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(window.windowTitle()) + kTitleBarLines * metrics.height();
}

void setReadableMinimumWidth(QWidget& dialog, int textColumns)
{
    const int columns = dialog.fontMetrics().averageCharWidth() * textColumns;
    dialog.setMinimumWidth(std::max({dialog.minimumWidth(), titleBarWidth(dialog), columns}));
}

} // namespace torvane

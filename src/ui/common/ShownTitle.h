#pragma once
#include <QWidget>

namespace torvane {

// A window's title as its title bar shows it: the "[*]" placeholder becomes
// "*" while the window has unsaved changes and disappears otherwise.
inline QString shownTitle(const QWidget& window)
{
    QString title = window.windowTitle();
    title.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

} // namespace torvane

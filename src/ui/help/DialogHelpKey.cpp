#include "ui/help/DialogHelpKey.h"
#include "ui/help/GuideViewer.h"
#include <QDialog>
#include <QKeyEvent>

namespace torvane {

DialogHelpKey::DialogHelpKey(const GuideViewer& viewer, QObject* parent)
    : QObject(parent)
    , viewer_(viewer)
{
}

bool DialogHelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    const auto* dialog = widget ? qobject_cast<const QDialog*>(widget->window()) : nullptr;
    if (!dialog)
        return false;
    viewer_.openHelpFor(*dialog);
    return true;
}

} // namespace torvane

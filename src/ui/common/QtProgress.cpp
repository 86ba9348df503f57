#include "ui/common/QtProgress.h"
#include "ui/common/QtText.h"
#include <QApplication>

namespace torvane {

QtProgress::~QtProgress()
{
    for (const QPointer<ProgressDialog>& dialog : dialogs_) {
        delete dialog.data();
        QApplication::restoreOverrideCursor();
    }
}

ProgressDialog* QtProgress::dialog() const
{
    return dialogs_.empty() ? nullptr : dialogs_.back().data();
}

void QtProgress::begin(std::string_view title, int total, bool cancellable)
{
    auto* dialog = new ProgressDialog(parent_);
    dialog->start(fromBytes(title), total, cancellable);
    dialogs_.emplace_back(dialog);
    dialog->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
}

bool QtProgress::step(int done, std::string_view text)
{
    ProgressDialog* current = dialog();
    if (!current)
        return true;
    current->advance(done, fromBytes(text));
    QApplication::processEvents();
    // The window may have gone with its parent while events ran.
    return !(dialog() == current && current->cancelled());
}

void QtProgress::end()
{
    if (dialogs_.empty())
        return;
    if (ProgressDialog* current = dialogs_.back()) {
        current->hide();
        current->deleteLater();
    }
    dialogs_.pop_back();
    QApplication::restoreOverrideCursor();
}

} // namespace torvane

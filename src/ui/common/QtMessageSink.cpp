#include "ui/common/QtMessageSink.h"
#include "ui/common/QtText.h"
#include <QMessageBox>
#include <QString>
#include <QWidget>

namespace torvane {

void QtMessageSink::showMessage(std::string_view text)
{
    QMessageBox::warning(parent_, kMessageTitle, fromBytes(text), QMessageBox::Ok);
}

bool QtMessageSink::askYesNo(std::string_view text, bool)
{
    return QMessageBox::question(parent_, kMessageTitle, fromBytes(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void showMessageOver(QWidget& dialog, MessageSink& messages, std::string_view text)
{
    auto* boxes = dynamic_cast<QtMessageSink*>(&messages);
    QWidget* usual = boxes ? boxes->parent() : nullptr;
    if (boxes)
        boxes->setParent(&dialog);
    messages.showMessage(text);
    if (boxes)
        boxes->setParent(usual);
    dialog.activateWindow();
}

} // namespace torvane

#include "ui/common/QtMessageSink.h"
#include "ui/common/QtText.h"
#include <QMessageBox>
#include <QString>

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

} // namespace torvane

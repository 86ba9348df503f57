#include "ui/common/QtReportPresenter.h"
#include "ui/common/ReportDialog.h"

namespace torvane {

void QtReportPresenter::showReport(const std::string& title, const std::string& heading, const std::string& body)
{
    // The lists end their lines with CR LF; the text box wants plain line feeds.
    QString text = QString::fromStdString(body);
    text.remove(QLatin1Char('\r'));
    QString headingText = QString::fromStdString(heading);
    headingText.remove(QLatin1Char('\r'));
    ReportDialog dialog(QString::fromStdString(title), headingText, text, parent_);
    dialog.exec();
}

} // namespace torvane

#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace torvane {

// The warning dialog that lists the files of a long operation that failed or
// cannot be changed.
class ReportDialog : public QDialog {
    Q_OBJECT
public:
    ReportDialog(const QString& title, const QString& heading, const QString& body, QWidget* parent = nullptr);

    QString headingText() const;
    QString bodyText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* heading_;
    QPlainTextEdit* body_;
};

} // namespace torvane

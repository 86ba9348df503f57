#pragma once
#include "platform/FileReports.h"
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

// Shows each report modally over the given window.
class QtReportPresenter final : public ReportPresenter {
public:
    explicit QtReportPresenter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showReport(const std::string& title, const std::string& heading, const std::string& body) override;

private:
    QWidget* parent_;
};

} // namespace torvane

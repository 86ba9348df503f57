#include "ui/common/ReportDialog.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace torvane {

ReportDialog::ReportDialog(const QString& title, const QString& heading, const QString& body, QWidget* parent)
    : QDialog(parent)
    , heading_(new QLabel(heading))
    , body_(new QPlainTextEdit(body))
{
    setWindowTitle(title);
    auto* icon = new QLabel;
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    heading_->setWordWrap(true);
    heading_->setTextFormat(Qt::PlainText);
    body_->setReadOnly(true);
    body_->setLineWrapMode(QPlainTextEdit::NoWrap);
    body_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    body_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(heading_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(body_, 1);
    layout->addWidget(buttons);
    resize(520, 360);
}

QString ReportDialog::headingText() const
{
    return heading_->text();
}

QString ReportDialog::bodyText() const
{
    return body_->toPlainText();
}

void ReportDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QApplication::beep();
}

} // namespace torvane

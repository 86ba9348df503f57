#include "ui/common/ProgressDialog.h"
#include "ui/common/QtText.h"
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , label_(new QLabel)
    , bar_(new QProgressBar)
    , cancel_(new QPushButton(tr("Cancel")))
{
    label_->setTextFormat(Qt::PlainText);
    label_->setMinimumWidth(360);
    bar_->setTextVisible(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
}

void ProgressDialog::start(const QString& title, int total, bool cancellable)
{
    setWindowTitle(title);
    cancelled_ = false;
    bar_->setRange(0, total);
    bar_->setValue(0);
    label_->clear();
    cancel_->setVisible(cancellable);
}

void ProgressDialog::advance(int done, const QString& text)
{
    label_->setText(text);
    bar_->setValue(done);
}

bool ProgressDialog::cancelVisible() const
{
    return !cancel_->isHidden();
}

QString ProgressDialog::text() const
{
    return label_->text();
}

int ProgressDialog::value() const
{
    return bar_->value();
}

void ProgressDialog::reject()
{
    // Escape counts as Cancel where there is one; the window itself stays
    // until the operation ends.
    if (cancelVisible())
        cancelled_ = true;
}

} // namespace torvane

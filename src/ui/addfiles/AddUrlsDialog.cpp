#include "ui/addfiles/AddUrlsDialog.h"
#include "document/EntryValues.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace torvane {

AddUrlsDialog::AddUrlsDialog(AddUrl addUrl, QWidget* parent)
    : QDialog(parent)
    , addUrl_(std::move(addUrl))
{
    setWindowTitle("Add External URLs to Project");
    auto* label = new QLabel("Enter URL:", this);
    url_ = new QLineEdit(this);
    label->setBuddy(url_);
    clearOnAdd_ = new QCheckBox("Clear URL on Add", this);
    add_ = new QPushButton("Add", this);
    close_ = new QPushButton("Close", this);
    add_->setDefault(true);
    add_->setAutoDefault(true);
    close_->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(url_, 1, 0);
    layout->addWidget(clearOnAdd_, 2, 0);
    layout->addWidget(add_, 0, 1);
    layout->addWidget(close_, 1, 1);
    layout->setColumnStretch(0, 1);
    url_->setMinimumWidth(320);

    connect(add_, &QPushButton::clicked, this, &AddUrlsDialog::addTyped);
    connect(close_, &QPushButton::clicked, this, &AddUrlsDialog::reject);
    url_->setFocus();
}

void AddUrlsDialog::addTyped()
{
    const QByteArray typed = url_->text().toUtf8();
    if (const std::optional<std::string> url = urlToAdd(std::string_view(typed.constData(), typed.size())))
        addUrl_(*url);
    if (clearOnAdd_->isChecked())
        url_->clear();
}

} // namespace torvane

#include "ui/addfiles/AddFilesDialog.h"
#include "document/PagesBelow.h"
#include "ui/addfiles/AddFilesListing.h"
#include "ui/addfiles/AddFilesTree.h"
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

namespace {

// The wait cursor stays up however the add ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

AddFilesDialog::AddFilesDialog(const std::string& startFolder, const std::vector<std::string>& validExtensions,
                               AddPages addPages, QWidget* parent)
    : QDialog(parent)
    , addPages_(std::move(addPages))
{
    setWindowTitle("Add Files to Project");
    tree_ = new AddFilesTree(model_, this);
    add_ = new QPushButton("Add", this);
    close_ = new QPushButton("Close", this);
    add_->setDefault(true);
    add_->setAutoDefault(true);
    close_->setAutoDefault(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(close_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);
    resize(420, 320);

    connect(add_, &QPushButton::clicked, this, &AddFilesDialog::addChosen);
    connect(close_, &QPushButton::clicked, this, &AddFilesDialog::reject);

    fillAddFilesModel(model_, startFolder, findPagesBelow(startFolder, validExtensions));
    tree_->postRefresh();
    tree_->setFocus();
}

void AddFilesDialog::addChosen()
{
    // Loading lets other input through between pages; a second Add or a
    // Close must wait until this one is done.
    if (adding_)
        return;
    const std::vector<std::string> paths = chosenPages(model_);
    QPointer<AddFilesDialog> alive(this);
    adding_ = true;
    add_->setEnabled(false);
    close_->setEnabled(false);
    {
        WaitCursor wait;
        addPages_(paths);
    }
    if (!alive)
        return;
    adding_ = false;
    add_->setEnabled(true);
    close_->setEnabled(true);
}

void AddFilesDialog::reject()
{
    if (!adding_)
        QDialog::reject();
}

void AddFilesDialog::closeEvent(QCloseEvent* event)
{
    if (adding_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

} // namespace torvane

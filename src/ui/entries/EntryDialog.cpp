#include "ui/entries/EntryDialog.h"
#include "ui/common/QtMessageSink.h"
#include "platform/MessageSink.h"
#include "ui/common/ButtonRowLayout.h"
#include "ui/common/DialogWidth.h"
#include "ui/common/EditBytes.h"
#include "ui/entries/EntryTargetsDialog.h"
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace torvane {

namespace {

QLineEdit* newField(QGridLayout* grid, int row, int column, const char* label, int columnSpan = 1)
{
    auto* edit = new QLineEdit;
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column, 1, columnSpan);
    grid->addWidget(edit, row + 1, column, 1, columnSpan);
    return edit;
}

} // namespace

EntryDialog::EntryDialog(EntryDialogMode mode, const OutputFlags& outputs, const IndexEntryValues& initial,
                         MessageSink& messages, QWidget* parent)
    : QDialog(parent)
    , mode_(mode)
    , outputs_(outputs)
    , messages_(messages)
    , values_(initial)
    , autoCopy_(new QCheckBox("Auto-copy top to bottom"))
    , targets_(new QPushButton)
    , clearOnAdd_(new QCheckBox("Clear entries on Add"))
    , add_(new QPushButton)
    , close_(new QPushButton)
{
    const bool adding = mode_ == EntryDialogMode::Add;
    auto* grid = new QGridLayout;
    grid->addWidget(autoCopy_, 0, 0);
    grid->addWidget(targets_, 0, 1, Qt::AlignRight);
    indexAs_ = newField(grid, 1, 0, "Formatted index entry", 2);
    helpAs_ = newField(grid, 3, 0, "Unformatted help index entry");
    helpTitle_ = newField(grid, 3, 1, "Help title");
    sortAs_ = newField(grid, 5, 0, "Sort as", 2);
    grid->addWidget(clearOnAdd_, 7, 0);

    layOutAboveButtonRow(*this, grid, {add_, close_});

    autoCopy_->setChecked(true);
    setWindowTitle(adding ? "Add Index Entry to Selected Targets" : "Edit Selected Index Entries");
    setReadableMinimumWidth(*this, 64);
    add_->setText(adding ? "Add" : "OK");
    close_->setText(adding ? "Close" : "Cancel");
    add_->setDefault(true);
    clearOnAdd_->setVisible(adding);
    if (adding || values_.helpTitle.empty())
        values_.helpTitle = kUntitled;
    helpAs_->setEnabled(outputs_.anyHelp());
    helpTitle_->setEnabled(outputs_.anyHelp());
    indexAs_->setEnabled(outputs_.html);
    targets_->setEnabled(outputs_.html || outputs_.htmlHelp);
    // The texts go in before the copying is wired, so that an edited
    // entry opens with its own values.
    showFields();

    connect(indexAs_, &QLineEdit::textEdited, this,
            [this](const QString& text) { copyTyped(autoCopyFromIndexAs(autoCopy_->isChecked(), outputs_), text); });
    connect(helpAs_, &QLineEdit::textEdited, this,
            [this](const QString& text) { copyTyped(autoCopyFromHelpAs(autoCopy_->isChecked(), outputs_), text); });
    connect(targets_, &QPushButton::clicked, this, &EntryDialog::editTargets);
    connect(add_, &QPushButton::clicked, this, &EntryDialog::commit);
    connect(close_, &QPushButton::clicked, this, &EntryDialog::reject);
    focusFirstField(!adding);
}

QLineEdit* EntryDialog::firstField() const
{
    return outputs_.html ? indexAs_ : helpAs_;
}

void EntryDialog::focusFirstField(bool selectText)
{
    QLineEdit* field = firstField();
    field->setFocus(Qt::OtherFocusReason);
    if (selectText)
        field->selectAll();
}

bool EntryDialog::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        focusFirstField(true);
    return handled;
}

void EntryDialog::copyTyped(const AutoCopy& copy, const QString& text)
{
    if (copy.toIndexAs)
        indexAs_->setText(text);
    if (copy.toHelpAs)
        helpAs_->setText(text);
    if (copy.toSortAs)
        sortAs_->setText(text);
}

void EntryDialog::showFields()
{
    showBytes(*indexAs_, values_.indexAs);
    showBytes(*helpAs_, values_.helpAs);
    showBytes(*helpTitle_, values_.helpTitle);
    showBytes(*sortAs_, values_.sortAs);
    targets_->setText(targetsButtonText(values_));
}

bool EntryDialog::readFields()
{
    IndexEntryValues read = values_;
    read.indexAs = textBytes(*indexAs_);
    read.helpAs = textBytes(*helpAs_);
    read.helpTitle = textBytes(*helpTitle_);
    read.sortAs = textBytes(*sortAs_);
    const FieldProblems problems = checkEntryTexts(read);
    // A refused read leaves the fields as typed, only trimmed.
    showBytes(*sortAs_, read.sortAs);
    showBytes(*helpTitle_, read.helpTitle);
    showBytes(*helpAs_, read.helpAs);
    showBytes(*indexAs_, read.indexAs);
    if (problems.any()) {
        showMessageOver(*this, messages_, problemMessage(problems));
        indexAs_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    finishEntryTexts(read);
    values_ = read;
    return true;
}

void EntryDialog::commit()
{
    if (!readFields())
        return;
    if (mode_ == EntryDialogMode::Edit) {
        accept();
        return;
    }
    if (onAdd_)
        onAdd_(values_);
    if (clearOnAdd_->isChecked())
        values_ = blankEntryValues();
    showFields();
    focusFirstField(false);
}

void EntryDialog::reject()
{
    if (mode_ == EntryDialogMode::Add)
        closing_ = true;
    QDialog::reject();
}

void EntryDialog::editTargets()
{
    EntryTargetsDialog dialog(values_, outputs_, messages_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    values_.indexTarget = dialog.values().indexTarget;
    values_.helpWindow = dialog.values().helpWindow;
    values_.helpFrame = dialog.values().helpFrame;
    targets_->setText(targetsButtonText(values_));
}

} // namespace torvane

#include "ui/entries/EntryTargetsDialog.h"
#include "platform/MessageSink.h"
#include "ui/common/EditBytes.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace torvane {

namespace {

QLineEdit* addField(QFormLayout* form, const char* label, const std::string& text, bool enabled)
{
    auto* edit = new QLineEdit;
    showBytes(*edit, text);
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    caption->setEnabled(enabled);
    edit->setEnabled(enabled);
    form->addRow(caption, edit);
    return edit;
}

} // namespace

EntryTargetsDialog::EntryTargetsDialog(const IndexEntryValues& values, const OutputFlags& outputs,
                                       MessageSink& messages, QWidget* parent)
    : QDialog(parent)
    , values_(values)
    , messages_(messages)
{
    setWindowTitle("Set Targets for Index Entry");
    auto* html = new QGroupBox("HTML (.htm)");
    auto* htmlForm = new QFormLayout(html);
    targetName_ = addField(htmlForm, "Target Name:", values_.indexTarget, outputs.html);
    auto* help = new QGroupBox("HTML Help (.hhk)");
    auto* helpForm = new QFormLayout(help);
    windowName_ = addField(helpForm, "Window Name:", values_.helpWindow, outputs.htmlHelp);
    frameName_ = addField(helpForm, "Frame Name:", values_.helpFrame, outputs.htmlHelp);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &EntryTargetsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(html);
    layout->addWidget(help);
    layout->addWidget(buttons);
}

void EntryTargetsDialog::accept()
{
    IndexEntryValues read = values_;
    read.indexTarget = textBytes(*targetName_);
    read.helpWindow = textBytes(*windowName_);
    read.helpFrame = textBytes(*frameName_);
    const FieldProblems problems = checkEntryTargets(read);
    showBytes(*targetName_, read.indexTarget);
    showBytes(*windowName_, read.helpWindow);
    showBytes(*frameName_, read.helpFrame);
    if (problems.any()) {
        messages_.showMessage(problemMessage(problems));
        targetName_->setFocus();
        return;
    }
    values_ = read;
    QDialog::accept();
}

} // namespace torvane

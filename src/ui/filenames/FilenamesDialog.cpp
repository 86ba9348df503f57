#include "ui/filenames/FilenamesDialog.h"
#include "platform/MessageSink.h"
#include "ui/common/QtMessageSink.h"
#include "ui/common/QtText.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

FilenamesDialog::FilenamesDialog(const ProjectFileNames& initial, MessageSink& messages, QWidget* parent,
                                 const ProjectRootNode* project)
    : QDialog(parent)
    , messages_(messages)
    , project_(project)
    , names_(initial)
{
    setWindowTitle("Set Filenames");
    auto* layout = new QVBoxLayout(this);
    const std::array<std::pair<const char*, const std::string*>, 5> fields = {{
        {"Project File (.ipj):", &initial.project},
        {"Index File (.htm):", &initial.index},
        {"HTML Help File (.hhk):", &initial.htmlHelp},
        {"JavaHelp File (.xml):", &initial.javaHelp},
        {"JavaHelp Map File (.jhm):", &initial.javaMap},
    }};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        auto* label = new QLabel(fields[i].first);
        edits_[i] = new QLineEdit(fromBytes(*fields[i].second));
        label->setBuddy(edits_[i]);
        layout->addWidget(label);
        layout->addWidget(edits_[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &FilenamesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FilenamesDialog::reject);
    layout->addWidget(buttons);
}

void FilenamesDialog::accept()
{
    ProjectFileNames typed;
    std::array<std::string*, 5> targets = {&typed.project, &typed.index, &typed.htmlHelp, &typed.javaHelp,
                                           &typed.javaMap};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const QByteArray bytes = edits_[i]->text().toUtf8();
        targets[i]->assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    std::optional<std::string> error = completeFileNames(typed);
    if (!error && project_)
        error = projectNameErrors(typed, *project_);
    if (error) {
        messages_.showMessage(*error);
        projectEdit()->setFocus();
        return;
    }
    names_ = std::move(typed);
    QDialog::accept();
}

std::optional<ProjectFileNames> runFilenamesDialog(const ProjectFileNames& initial, MessageSink& messages,
                                                   QWidget* parent, const ProjectRootNode* project)
{
    FilenamesDialog dialog(initial, messages, parent, project);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.names();
}

OverwriteAnswer askOverwrite(const std::string& question, QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, kMessageTitle, fromBytes(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return OverwriteAnswer::Yes;
    case QMessageBox::No:
        return OverwriteAnswer::No;
    default:
        return OverwriteAnswer::Cancel;
    }
}

} // namespace torvane

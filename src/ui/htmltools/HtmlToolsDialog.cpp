#include "ui/htmltools/HtmlToolsDialog.h"
#include "platform/MessageSink.h"
#include "platform/Profile.h"
#include "platform/TextUtil.h"
#include "ui/htmltools/OpenFiles.h"
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>

namespace torvane {

std::optional<std::string> checkHtmlToolsSettings(HtmlToolsSettings& settings)
{
    settings.browser = std::string(trim(settings.browser));
    settings.editor = std::string(trim(settings.editor));
    if (settings.autoOpen == AutoOpen::Editor && settings.editor.empty())
        return std::string("Please correct the following errors:\n\nEditor not selected for Auto-open\n");
    return std::nullopt;
}

HtmlToolsDialog::HtmlToolsDialog(Profile& profile, MessageSink& messages, QWidget* parent)
    : QDialog(parent)
    , profile_(profile)
    , messages_(messages)
    , browser_(new QLineEdit)
    , editor_(new QLineEdit)
    , browserUsed_(new QLabel)
    , editorUsed_(new QLabel)
    , autoOpen_(new QButtonGroup(this))
{
    setWindowTitle("HTML Tools");
    const HtmlToolsSettings settings = readHtmlToolsSettings(profile_);
    browser_->setText(QString::fromStdString(settings.browser));
    editor_->setText(QString::fromStdString(settings.editor));

    using UsedText = std::string (*)(std::string_view);
    const auto showUsed = [](QLabel* label, UsedText usedText, const QString& setting) {
        label->setText(QString::fromStdString(usedText(setting.toStdString())));
    };
    for (auto [edit, used, usedText] : {std::tuple {browser_, browserUsed_, UsedText {effectiveProgramText}},
                                        std::tuple {editor_, editorUsed_, UsedText {effectiveEditorText}}}) {
        used->setEnabled(false);
        showUsed(used, usedText, edit->text());
        connect(edit, &QLineEdit::textChanged, used,
                [used, usedText, showUsed](const QString& text) { showUsed(used, usedText, text); });
    }

    auto* browseBrowser = new QPushButton("Browse...");
    auto* browseEditor = new QPushButton("Browse...");
    connect(browseBrowser, &QPushButton::clicked, this, [this] { browse(browser_, "Select HTML Browser"); });
    connect(browseEditor, &QPushButton::clicked, this, [this] { browse(editor_, "Select HTML Editor"); });
    auto* programs = new QGridLayout;
    programs->addWidget(new QLabel("Browser (Viewer)"), 0, 0);
    programs->addWidget(browser_, 1, 0);
    programs->addWidget(browseBrowser, 1, 1);
    programs->addWidget(browserUsed_, 2, 0);
    programs->addWidget(new QLabel("Editor"), 3, 0);
    programs->addWidget(editor_, 4, 0);
    programs->addWidget(browseEditor, 4, 1);
    programs->addWidget(editorUsed_, 5, 0);

    auto* group = new QGroupBox("Auto-open Output Index With");
    auto* choices = new QHBoxLayout(group);
    for (auto [name, choice] : {std::pair {"Browser", AutoOpen::Browser}, std::pair {"Editor", AutoOpen::Editor},
                                std::pair {"Neither", AutoOpen::Neither}}) {
        auto* radio = new QRadioButton(name);
        autoOpen_->addButton(radio, choice);
        choices->addWidget(radio);
    }
    setAutoOpen(settings.autoOpen);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &HtmlToolsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(programs);
    layout->addWidget(group);
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
}

void HtmlToolsDialog::setAutoOpen(int choice)
{
    if (QAbstractButton* button = autoOpen_->button(choice))
        button->setChecked(true);
}

void HtmlToolsDialog::browse(QLineEdit* edit, const QString& title)
{
    QFileDialog dialog(this, title, QFileInfo(edit->text()).absolutePath());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({"Program Files (*.exe)", "All Files (*.*)"});
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        edit->setText(dialog.selectedFiles().first());
}

void HtmlToolsDialog::accept()
{
    HtmlToolsSettings settings;
    settings.browser = browser_->text().toStdString();
    settings.editor = editor_->text().toStdString();
    settings.autoOpen = autoOpen_->checkedId();
    if (const auto problem = checkHtmlToolsSettings(settings)) {
        messages_.showMessage(*problem);
        editor_->setFocus();
        return;
    }
    writeHtmlToolsSettings(profile_, settings);
    QDialog::accept();
}

} // namespace torvane

#include "ui/stylesheet/StylePathField.h"
#include "platform/MessageSink.h"
#include "ui/common/QtText.h"
#include "ui/stylesheet/StyleSheetEnvironment.h"
#include "ui/stylesheet/StyleSheetRules.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace torvane {

StylePathField::StylePathField(const StyleSheetEnvironment& environment, StyleSettings& record, const Setup& setup,
                               QWidget* parent)
    : QObject(parent)
    , environment_(environment)
    , record_(record)
    , setup_(setup)
    , parent_(parent)
    , edit_(new QLineEdit(parent))
    , browse_(new QPushButton("Browse...", parent))
{
    if (*setup.label)
        label_ = new QLabel(setup.label, parent);
    // Only the user's typing decides the type; a browsed value keeps its own.
    connect(edit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { record_.*setup_.pathType = typedPathType(text.toStdString()); });
    connect(browse_, &QPushButton::clicked, this, &StylePathField::browse);
}

QHBoxLayout* StylePathField::makeRow() const
{
    auto* row = new QHBoxLayout;
    if (label_)
        row->addWidget(label_);
    row->addWidget(edit_);
    row->addWidget(browse_);
    return row;
}

void StylePathField::setEnabled(bool enabled)
{
    if (label_)
        label_->setEnabled(enabled);
    edit_->setEnabled(enabled);
    browse_->setEnabled(enabled);
}

void StylePathField::browse()
{
    const bool folder = setup_.kind == Kind::Folder;
    const std::string current = edit_->text().toStdString();
    const int currentType = record_.*setup_.pathType;
    const std::string& base = environment_.baseFolder;
    const std::string start =
        folder ? browseStartFolder(current, currentType, base) : browseStartFileFolder(current, currentType, base);
    const auto& choose = folder ? environment_.choosers.folder : environment_.choosers.styleSheetFile;
    const std::optional<std::string> chosen = choose(parent_, setup_.browseTitle, start);
    if (!chosen)
        return;
    const BrowsedLocation stored = folder ? storeBrowsedFolder(*chosen, base, environment_.projectMode)
                                          : storeBrowsedFile(*chosen, base, environment_.projectMode);
    record_.*setup_.pathType = stored.pathType;
    if (stored.outsideProject)
        environment_.messages.showMessage(outsideProjectMessage(setup_.noun));
    edit_->setText(fromBytes(stored.path));
}

} // namespace torvane

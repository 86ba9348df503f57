#include "ui/crossrefs/XrefDialog.h"
#include "ui/common/QtMessageSink.h"
#include "platform/MessageSink.h"
#include "ui/common/ButtonRowLayout.h"
#include "ui/common/DialogWidth.h"
#include "ui/common/EditBytes.h"
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace torvane {

namespace {

QLabel* rightAligned(const char* text)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

XrefDialog::XrefDialog(MessageSink& messages, AddHandler onAdd, QWidget* parent)
    : XrefDialog(messages, std::move(onAdd), freshCrossReference(), parent)
{
}

XrefDialog::XrefDialog(MessageSink& messages, const CrossReferenceValues& initial, QWidget* parent)
    : XrefDialog(messages, AddHandler {}, initial, parent)
{
}

XrefDialog::XrefDialog(MessageSink& messages, AddHandler onAdd, const CrossReferenceValues& initial, QWidget* parent)
    : QDialog(parent)
    , messages_(messages)
    , onAdd_(std::move(onAdd))
    , values_(initial)
    , autoCopy_(new QCheckBox("Auto-copy x-refs left to right"))
    , link_(new QCheckBox("Link to Locator"))
    , clearOnAdd_(new QCheckBox("Clear entries on Add"))
    , add_(new QPushButton(addMode() ? "Add" : "OK"))
    , close_(new QPushButton(addMode() ? "Close" : "Cancel"))
{
    setWindowTitle(addMode() ? "Create Cross-Reference" : "Edit Selected Cross-Reference");
    setReadableMinimumWidth(*this, 72);
    for (QLineEdit*& edit : fields_)
        edit = new QLineEdit;
    field(FieldSeparator)->setMaximumWidth(60);

    auto* grid = new QGridLayout;
    grid->addWidget(autoCopy_, 0, 0, 1, 4);
    const char* labels[] = {"X-ref heading", "Sort as", "Separator", "Reference Text", "X-ref locator", "Sort as"};
    for (int which = 0; which < CrossReferenceFieldCount; ++which) {
        const int row = 1 + which / 2;
        const int column = (which % 2) * 2;
        grid->addWidget(rightAligned(labels[which]), row, column);
        grid->addWidget(field(which), row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->addWidget(link_, 4, 1);
    grid->addWidget(clearOnAdd_, 4, 3);

    add_->setDefault(true);
    layOutAboveButtonRow(*this, grid, {add_, close_});

    connect(add_, &QPushButton::clicked, this, &XrefDialog::accept);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(field(FieldHeading), &QLineEdit::textChanged, this, [this] { copyIfAuto(FieldHeading, FieldHeadingSort); });
    connect(field(FieldLocator), &QLineEdit::textChanged, this, [this] { copyIfAuto(FieldLocator, FieldLocatorSort); });
    connect(link_, &QCheckBox::toggled, this, [this] { applyLinkRule(); });

    autoCopy_->setChecked(true);
    clearOnAdd_->setChecked(false);
    clearOnAdd_->setVisible(addMode());
    showValues(values_);
}

void XrefDialog::showValues(const CrossReferenceValues& values)
{
    // Each sort text is set after the text it follows, so the auto-copy
    // from filling the heading or locator never outlives this call.
    CrossReferenceValues shown = values;
    const auto texts = textsOf(shown);
    for (int which = 0; which < CrossReferenceFieldCount; ++which)
        showBytes(*field(which), *texts[static_cast<size_t>(which)]);
    link_->setChecked(values.linkToLocator);
    applyLinkRule();
}

CrossReferenceValues XrefDialog::valuesShown() const
{
    CrossReferenceValues values;
    const auto texts = textsOf(values);
    for (int which = 0; which < CrossReferenceFieldCount; ++which)
        *texts[static_cast<size_t>(which)] = textBytes(*field(which));
    values.linkToLocator = link_->isChecked();
    return values;
}

void XrefDialog::copyIfAuto(int from, int to)
{
    if (autoCopy_->isChecked())
        field(to)->setText(field(from)->text());
}

void XrefDialog::applyLinkRule()
{
    field(FieldLocatorSort)->setEnabled(link_->isChecked());
}

// Whenever the dialog gets the focus, typing starts in the heading.
bool XrefDialog::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        field(FieldHeading)->setFocus(Qt::OtherFocusReason);
    return handled;
}

void XrefDialog::accept()
{
    CrossReferenceValues read = valuesShown();
    const std::optional<FieldRefusal> refusal = checkCrossReference(read);
    // The trimmed texts go back whether or not they pass; reading them all
    // first keeps a trimmed heading from overwriting its own sort text.
    showValues(read);
    if (refusal) {
        showMessageOver(*this, messages_, refusal->message);
        field(refusal->field)->setFocus(Qt::OtherFocusReason);
        return;
    }
    normaliseCrossReferenceCommas(read);
    values_ = read;
    if (!addMode()) {
        QDialog::accept();
        return;
    }
    onAdd_(values_);
    if (clearOnAdd_->isChecked())
        values_ = freshCrossReference(values_.linkToLocator);
    showValues(values_);
    field(FieldHeading)->setFocus(Qt::OtherFocusReason);
}

std::optional<CrossReferenceValues> editCrossReferenceValues(const CrossReferenceValues& initial, MessageSink& messages,
                                                             QWidget* parent)
{
    XrefDialog dialog(messages, initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

} // namespace torvane

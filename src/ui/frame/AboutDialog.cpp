#include "ui/frame/AboutDialog.h"
#include "ui/frame/VersionDetailsDialog.h"
#include "ui/common/DialogWidth.h"
#include "ui/common/Icons.h"
#include "ui/common/QtText.h"
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

AboutDialog::AboutDialog(std::string productVersion, QWidget* parent)
    : QDialog(parent)
    , productVersion_(std::move(productVersion))
{
    setWindowTitle("About HTML Torvane");
    auto* name = new QLabel(QStringLiteral("HTML Torvane %1").arg(fromBytes(programVersionText(productVersion_))));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.25);
    name->setFont(nameFont);
    auto* purpose = new QLabel("Back-of-book indexes for HTML documentation.");
    auto* icon = new QLabel;
    const int iconSide = 3 * fontMetrics().height();
    icon->setPixmap(applicationIcon().pixmap(QSize(iconSide, iconSide)));
    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(purpose);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addLayout(texts, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* details = buttons->addButton("Version...", QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(details, &QPushButton::clicked, this, &AboutDialog::showVersionDetails);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(buttons);
    setReadableMinimumWidth(*this, 44);
}

void AboutDialog::showVersionDetails()
{
    VersionDetailsDialog details(productVersion_, this);
    details.exec();
}

} // namespace torvane

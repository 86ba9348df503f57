#include "ui/frame/AboutDialog.h"
#include "ui/frame/VersionDetailsDialog.h"
#include "ui/common/QtText.h"
#include <QDialogButtonBox>
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* details = buttons->addButton("Version...", QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(details, &QPushButton::clicked, this, &AboutDialog::showVersionDetails);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(buttons);
}

void AboutDialog::showVersionDetails()
{
    VersionDetailsDialog details(productVersion_, this);
    details.exec();
}

} // namespace torvane

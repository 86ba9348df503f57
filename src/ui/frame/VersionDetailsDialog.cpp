#include "ui/frame/VersionDetailsDialog.h"
#include "ui/common/DialogWidth.h"
#include "ui/common/QtText.h"
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <charconv>

namespace torvane {

std::string programVersionText(std::string_view productVersion)
{
    unsigned parts[4] = {0, 0, 0, 0};
    const char* at = productVersion.data();
    const char* end = at + productVersion.size();
    for (int i = 0; i < 4; ++i) {
        auto [next, failed] = std::from_chars(at, end, parts[i]);
        if (failed != std::errc() || parts[i] > 0xFFFF)
            return std::string(kUnknownProgramVersion);
        at = next;
        if (at == end)
            break;
        if (*at != '.' || i == 3)
            return std::string(kUnknownProgramVersion);
        ++at;
    }
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." + std::to_string(parts[2]);
}

VersionDetailsDialog::VersionDetailsDialog(std::string_view productVersion, QWidget* parent)
    : QDialog(parent)
    , program_(new QLabel(fromBytes(programVersionText(productVersion))))
    , toolkit_(new QLabel(QString::fromLatin1(qVersion())))
    , programName_(new QLabel(QFileInfo(QCoreApplication::applicationFilePath()).fileName()))
{
    // The running executable's own name; a Windows name would name nothing here.
    if (programName_->text().isEmpty())
        programName_->setText("Torvane");
    setWindowTitle("Version Details");
    setReadableMinimumWidth(*this, 30);
    auto* rows = new QGridLayout;
    rows->addWidget(programName_, 0, 0);
    rows->addWidget(program_, 0, 1);
    rows->addWidget(new QLabel("Qt"), 1, 0);
    rows->addWidget(toolkit_, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(buttons);
}

} // namespace torvane

#include "ui/stylesheet/StyleSheetEnvironment.h"
#include "ui/common/QtText.h"
#include <QFileDialog>

namespace torvane {

namespace {

std::optional<std::string> chooseFolder(QWidget* parent, const std::string& title, const std::string& start)
{
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, fromBytes(title), fromBytes(start), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> chooseStyleSheet(QWidget* parent, const std::string& title, const std::string& start)
{
    QFileDialog dialog(parent, fromBytes(title), fromBytes(start));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({"Style Sheets (*.css)", "All Files (*.*)"});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

} // namespace

StyleSheetChoosers platformStyleSheetChoosers()
{
    return {chooseFolder, chooseStyleSheet};
}

} // namespace torvane

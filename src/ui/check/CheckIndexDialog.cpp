#include "ui/check/CheckIndexDialog.h"
#include "ui/common/QtText.h"
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace torvane {

CheckIndexDialog::CheckIndexDialog(Check check, ShowPlace showPlace, Ignore ignore, QString projectName,
                                   QWidget* parent)
    : QDialog(parent)
    , check_(std::move(check))
    , showPlace_(std::move(showPlace))
    , ignore_(std::move(ignore))
    , projectName_(std::move(projectName))
    , list_(new QTreeWidget)
    , summary_(new QLabel)
    , ignoreButton_(nullptr)
{
    setWindowTitle("Check Index");
    list_->setColumnCount(3);
    list_->setHeaderLabels({"Place", "Kind", "Message"});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setStretchLastSection(true);
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showRow(list_->indexOfTopLevelItem(item)); });
    summary_->setTextFormat(Qt::PlainText);

    auto* buttons = new QDialogButtonBox;
    ignoreButton_ = buttons->addButton("&Ignore This Finding...", QDialogButtonBox::ActionRole);
    ignoreButton_->setEnabled(false);
    connect(ignoreButton_, &QPushButton::clicked, this, &CheckIndexDialog::askAndIgnoreCurrent);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { ignoreButton_->setEnabled(current != nullptr); });
    QPushButton* again = buttons->addButton("Check &Again", QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(again, &QPushButton::clicked, this, &CheckIndexDialog::refresh);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    resize(760, 380);
    refresh();
}

void CheckIndexDialog::refresh()
{
    const IndexCheckReport report = check_();
    findings_ = report.findings;
    list_->clear();
    const std::string projectName = projectName_.toStdString();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const IndexFinding& finding : findings_) {
        auto* item = new QTreeWidgetItem(
            {fromBytes(findingPlace(finding, projectName)), fromBytes(finding.kind), fromBytes(finding.message)});
        item->setIcon(0, finding.severity == FindingSeverity::Error ? errorIcon : warningIcon);
        list_->addTopLevelItem(item);
    }
    for (int column = 0; column < 2; ++column)
        list_->resizeColumnToContents(column);
    summary_->setText(fromBytes("Coverage: " + coverageText(report) + ". " + countsText(report, false) + "."));
}

QString CheckIndexDialog::summaryText() const
{
    return summary_->text();
}

void CheckIndexDialog::ignoreRow(int row, const QString& reason)
{
    if (row < 0 || row >= static_cast<int>(findings_.size()))
        return;
    ignore_(findings_[static_cast<std::size_t>(row)], reason.toUtf8().toStdString());
    refresh();
}

void CheckIndexDialog::askAndIgnoreCurrent()
{
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0)
        return;
    bool given = false;
    const QString reason = QInputDialog::getText(this, "Ignore This Finding",
                                                 "Why may this finding stand? The reason is kept in the project.",
                                                 QLineEdit::Normal, QString(), &given);
    if (given && !reason.trimmed().isEmpty())
        ignoreRow(row, reason.trimmed());
}

void CheckIndexDialog::showRow(int row)
{
    if (row >= 0 && row < static_cast<int>(findings_.size()))
        showPlace_(findings_[static_cast<std::size_t>(row)]);
}

} // namespace torvane

#include "ui/stylesheet/CStyleIndexTypesTab.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace torvane {

CStyleIndexTypesTab::CStyleIndexTypesTab(const StyleSheetEnvironment& environment, StyleSettings& record,
                                         QWidget* parent)
    : StylePage(StylePageId::IndexTypes, environment, record, parent)
{
    auto* outputsBox = new QGroupBox("Create Output Files", this);
    auto* grid = new QGridLayout(outputsBox);
    htmlIndex_ = addCheck("HTML (.htm)", "Html Index", &StyleSettings::htmlIndex);
    htmlHelp_ = addCheck("HTML Help (.hhk)", "Html Help", &StyleSettings::htmlHelp);
    auto* targetLabel = new QLabel("Target Name:", this);
    auto* windowLabel = new QLabel("Window Name:", this);
    auto* frameLabel = new QLabel("Frame Name:", this);
    QLineEdit* target = addText("Html Index Target", &StyleSettings::htmlIndexTarget);
    QLineEdit* window = addText("Html Help Window", &StyleSettings::htmlHelpWindow);
    QLineEdit* frame = addText("Html Help Frame", &StyleSettings::htmlHelpFrame);
    grid->addWidget(htmlIndex_, 0, 0);
    grid->addWidget(targetLabel, 0, 1);
    grid->addWidget(target, 0, 2);
    grid->addWidget(htmlHelp_, 1, 0);
    grid->addWidget(windowLabel, 1, 1);
    grid->addWidget(window, 1, 2);
    grid->addWidget(frameLabel, 2, 1);
    grid->addWidget(frame, 2, 2);
    grid->addWidget(addCheck("JavaHelp (.xml)", "Java Help", &StyleSettings::javaHelp), 3, 0);
    htmlIndexControls_ = {targetLabel, target};
    htmlHelpControls_ = {windowLabel, window, frameLabel, frame};

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(outputsBox);
    layout->addStretch();

    for (QCheckBox* box : {htmlIndex_, htmlHelp_})
        connect(box, &QCheckBox::toggled, this, [this] { applyEnabling(); });
    showRecord();
}

void CStyleIndexTypesTab::applyEnabling()
{
    for (QWidget* control : htmlIndexControls_)
        control->setEnabled(htmlIndex_->isChecked());
    for (QWidget* control : htmlHelpControls_)
        control->setEnabled(htmlHelp_->isChecked());
}

} // namespace torvane

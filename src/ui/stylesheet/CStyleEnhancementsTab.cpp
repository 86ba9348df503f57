#include "ui/stylesheet/CStyleEnhancementsTab.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

CStyleEnhancementsTab::CStyleEnhancementsTab(const StyleSheetEnvironment& environment, StyleSettings& record,
                                             QWidget* parent)
    : StylePage(StylePageId::Enhancements, environment, record, parent)
{
    auto* matterBox = new QGroupBox("Top and Bottom Matter", this);
    auto* matterLayout = new QVBoxLayout(matterBox);
    includeTop_ = addCheck("Include Top.htm", "Include Top", &StyleSettings::includeTop);
    includeBottom_ = addCheck("Include Bottom.htm", "Include Bottom", &StyleSettings::includeBottom);
    includePath_ =
        addPath("Include Path", {&StyleSettings::includePath, &StyleSettings::includePathType,
                                 StylePathField::Kind::Folder, "Select Include Directory", "the include files"});
    matterLayout->addWidget(includeTop_);
    matterLayout->addWidget(includeBottom_);
    matterLayout->addWidget(new QLabel("Use \"Include\" Files in:", this));
    matterLayout->addLayout(includePath_->makeRow());

    auto* returnBox = new QGroupBox("Return to Top", this);
    auto* returnLayout = new QGridLayout(returnBox);
    returnLink_ = addRadios({"None", "Text", "Return.gif"}, "Return", &StyleSettings::returnLink, nullptr);
    returnText_ = addText("Return Text", &StyleSettings::returnText);
    returnPath_ =
        addPath("Return Path", {&StyleSettings::returnPath, &StyleSettings::returnPathType,
                                StylePathField::Kind::Folder, "Select Return.gif Directory", "the image file"});
    returnLayout->addWidget(returnLink_->button(ReturnLink::None), 0, 0);
    returnLayout->addWidget(returnLink_->button(ReturnLink::Text), 1, 0);
    returnLayout->addWidget(returnText_, 1, 1, 1, 2);
    returnLayout->addWidget(returnLink_->button(ReturnLink::Image), 2, 0);
    returnLayout->addWidget(new QLabel("Use Image in:", this), 3, 0);
    returnLayout->addWidget(returnPath_->edit(), 3, 1);
    returnLayout->addWidget(returnPath_->browseButton(), 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(matterBox);
    layout->addWidget(returnBox);
    layout->addStretch();

    for (QCheckBox* box : {includeTop_, includeBottom_})
        connect(box, &QCheckBox::toggled, this, [this] { applyEnabling(); });
    connect(returnLink_, &QButtonGroup::idToggled, this, [this] { applyEnabling(); });
    showRecord();
}

void CStyleEnhancementsTab::applyEnabling()
{
    const EnhancementsEnabling enabling =
        enhancementsEnabling(includeTop_->isChecked(), includeBottom_->isChecked(), returnLink_->checkedId());
    includePath_->setEnabled(enabling.includeFolder);
    returnText_->setEnabled(enabling.returnText);
    returnPath_->setEnabled(enabling.returnFolder);
}

} // namespace torvane

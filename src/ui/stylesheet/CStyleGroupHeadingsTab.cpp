#include "ui/stylesheet/CStyleGroupHeadingsTab.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace torvane {

CStyleGroupHeadingsTab::CStyleGroupHeadingsTab(const StyleSheetEnvironment& environment, StyleSettings& record,
                                               QWidget* parent)
    : StylePage(StylePageId::GroupHeadings, environment, record, parent)
{
    includeHeadings_ = addCheck("Include Group Headings", "Include Headings", &StyleSettings::includeHeadings);

    auto* appearanceBox = new QGroupBox("Appearance", this);
    auto* appearanceLayout = new QVBoxLayout(appearanceBox);
    auto* appearanceRow = new QHBoxLayout;
    appearance_ = addRadios({"Text", "Graphics"}, "Appearance", &StyleSettings::groupsAppearance, appearanceRow);
    appearanceLayout->addLayout(appearanceRow);
    graphicsPath_ =
        addPath("Graphics Path", {&StyleSettings::groupsGraphicsPath, &StyleSettings::groupsGraphicsPathType,
                                  StylePathField::Kind::Folder, "Select Group Headings Graphics Directory",
                                  "the image files", "Use Images in:"});
    appearanceLayout->addLayout(graphicsPath_->makeRow());

    auto* emptyBox = new QGroupBox("Empty Headings", this);
    addRadios({"Merge with Previous Nonempty", "Merge with Next Nonempty", "Omit Empty Letter Headings"},
              "Empty Headings", &StyleSettings::emptyHeadings, new QVBoxLayout(emptyBox));

    auto* symbolsBox = new QGroupBox("Symbols and Numbers", this);
    addRadios({"Include (unless no entries)", "Omit These Headings\n(unless separate frames)"}, "Symbols",
              &StyleSettings::groupsSymbols, new QVBoxLayout(symbolsBox));

    groupsRule_ = addCheck("Separate Groups with Horizontal Rules", "Groups Rule", &StyleSettings::groupsRule);
    separateFiles_ = addCheck("Put Groups in Separate Files", "Separate Files", &StyleSettings::separateFiles);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(includeHeadings_);
    layout->addWidget(appearanceBox);
    auto* middle = new QHBoxLayout;
    middle->addWidget(emptyBox);
    middle->addWidget(symbolsBox);
    layout->addLayout(middle);
    layout->addWidget(groupsRule_);
    layout->addWidget(separateFiles_);
    layout->addStretch();

    for (QCheckBox* box : {includeHeadings_, groupsRule_, separateFiles_})
        connect(box, &QCheckBox::toggled, this, [this] { applyEnabling(); });
    connect(appearance_, &QButtonGroup::idToggled, this, [this] { applyEnabling(); });
    showRecord();
    // The two exclude each other; separate files win.
    if (separateFiles_->isChecked())
        groupsRule_->setChecked(false);
}

void CStyleGroupHeadingsTab::applyEnabling()
{
    const GroupHeadingsEnabling enabling = groupHeadingsEnabling(
        includeHeadings_->isChecked(), appearance_->checkedId(), groupsRule_->isChecked(), separateFiles_->isChecked());
    for (QAbstractButton* button : appearance_->buttons())
        button->setEnabled(enabling.appearance);
    graphicsPath_->setEnabled(enabling.imageFolder);
    groupsRule_->setEnabled(enabling.groupsRule);
    separateFiles_->setEnabled(enabling.separateFiles);
}

} // namespace torvane

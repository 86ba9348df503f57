#include "ui/stylesheet/CStyleHeadingLinksTab.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace torvane {

namespace {

// A folder path within the classic 260-byte path limit, its terminator included.
constexpr int kMaxGraphicsPath = 259;

} // namespace

CStyleHeadingLinksTab::CStyleHeadingLinksTab(const StyleSheetEnvironment& environment, StyleSettings& record,
                                             QWidget* parent)
    : StylePage(StylePageId::HeadingLinks, environment, record, parent)
{
    auto* appearanceBox = new QGroupBox("Appearance", this);
    auto* appearanceLayout = new QVBoxLayout(appearanceBox);
    auto* appearanceRow = new QHBoxLayout;
    appearance_ = addRadios({"Text", "Graphics"}, "Appearance", &StyleSettings::linksAppearance, appearanceRow);
    appearanceLayout->addLayout(appearanceRow);
    verticalBars_ = addCheck("Separate with Vertical Bars", "Vertical Bars", &StyleSettings::linksVerticalBars);
    appearanceLayout->addWidget(verticalBars_);
    graphicsPath_ =
        addPath("Graphics Path",
                {&StyleSettings::linksGraphicsPath, &StyleSettings::linksGraphicsPathType, StylePathField::Kind::Folder,
                 "Select Links to Headings Graphics Directory", "the image files", "Use Images in:"});
    graphicsPath_->edit()->setMaxLength(kMaxGraphicsPath);
    appearanceLayout->addLayout(graphicsPath_->makeRow());

    auto* placementBox = new QGroupBox("Placement", this);
    placement_ = addRadios({"At the Top Only", "At the Top and Bottom", "In a Separate Frame (Top)"}, "Placement",
                           &StyleSettings::linksPlacement, new QVBoxLayout(placementBox));

    auto* symbolsBox = new QGroupBox("Symbols and Numbers", this);
    addRadios({"Include (unless no entries)", "Omit These Links\n(unless separate frames)"}, "Symbols",
              &StyleSettings::linksSymbols, new QVBoxLayout(symbolsBox));

    headingsRule_ =
        addCheck("Separate from Index Entries with Horizontal Rules", "Headings Rule", &StyleSettings::headingsRule);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(appearanceBox);
    auto* middle = new QHBoxLayout;
    middle->addWidget(placementBox);
    middle->addWidget(symbolsBox);
    layout->addLayout(middle);
    layout->addWidget(headingsRule_);
    layout->addStretch();

    connect(appearance_, &QButtonGroup::idToggled, this, [this] { applyEnabling(); });
    connect(placement_, &QButtonGroup::idToggled, this, [this] { applyEnabling(); });
    showRecord();
}

void CStyleHeadingLinksTab::applyEnabling()
{
    const HeadingLinksEnabling enabling = headingLinksEnabling(appearance_->checkedId(), placement_->checkedId());
    graphicsPath_->setEnabled(enabling.imageFolder);
    verticalBars_->setEnabled(enabling.verticalBars);
    headingsRule_->setEnabled(enabling.headingsRule);
}

} // namespace torvane

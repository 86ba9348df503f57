#include "ui/stylesheet/CStyleCssTab.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace torvane {

CStyleCssTab::CStyleCssTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent)
    : StylePage(StylePageId::Css, environment, record, parent)
{
    auto* sheetBox = new QGroupBox("Style Sheet File", this);
    stylesheetPath_ = addPath("Stylesheet Path",
                              {&StyleSettings::stylesheetPath, &StyleSettings::stylesheetPathType,
                               StylePathField::Kind::StyleSheetFile, "Select Style Sheet", "the style sheet file"});
    sheetBox->setLayout(stylesheetPath_->makeRow());

    auto* bodyBox = new QGroupBox("Body Attributes", this);
    (new QVBoxLayout(bodyBox))->addWidget(addText("Body Attributes", &StyleSettings::bodyAttributes));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addCheck("Use Nonbreaking Spaces", "Use NBSPs", &StyleSettings::useNbsps));
    layout->addWidget(addCheck("Use Classes", "Use Classes", &StyleSettings::useClasses));
    layout->addWidget(sheetBox);
    layout->addWidget(bodyBox);
    layout->addStretch();
    showRecord();
}

} // namespace torvane

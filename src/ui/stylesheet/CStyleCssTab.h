#pragma once
#include "ui/stylesheet/StylePage.h"

namespace torvane {

// "CSS": nonbreaking spaces, classes, the style sheet and the body's attributes.
class CStyleCssTab : public StylePage {
    Q_OBJECT
public:
    CStyleCssTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent = nullptr);
    StylePathField* stylesheetPath() const { return stylesheetPath_; }

private:
    StylePathField* stylesheetPath_;
};

} // namespace torvane

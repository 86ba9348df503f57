#pragma once
#include "ui/stylesheet/StylePage.h"

namespace torvane {

// "Links to Headings": the row of letter links.
class CStyleHeadingLinksTab : public StylePage {
    Q_OBJECT
public:
    CStyleHeadingLinksTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent = nullptr);
    StylePathField* graphicsPath() const { return graphicsPath_; }

protected:
    void applyEnabling() override;

private:
    QButtonGroup* appearance_;
    QButtonGroup* placement_;
    QCheckBox* verticalBars_;
    QCheckBox* headingsRule_;
    StylePathField* graphicsPath_;
};

} // namespace torvane

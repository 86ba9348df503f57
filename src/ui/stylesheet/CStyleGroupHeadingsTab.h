#pragma once
#include "ui/stylesheet/StylePage.h"

namespace torvane {

// "Group Headings": the heading above each letter group.
class CStyleGroupHeadingsTab : public StylePage {
    Q_OBJECT
public:
    CStyleGroupHeadingsTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent = nullptr);
    StylePathField* graphicsPath() const { return graphicsPath_; }

protected:
    void applyEnabling() override;

private:
    QCheckBox* includeHeadings_;
    QButtonGroup* appearance_;
    StylePathField* graphicsPath_;
    QCheckBox* groupsRule_;
    QCheckBox* separateFiles_;
};

} // namespace torvane

#pragma once
#include "ui/stylesheet/StylePage.h"

namespace torvane {

// "Index Types": which output files Make Index writes.
class CStyleIndexTypesTab : public StylePage {
    Q_OBJECT
public:
    CStyleIndexTypesTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent = nullptr);

protected:
    void applyEnabling() override;

private:
    QCheckBox* htmlIndex_;
    QCheckBox* htmlHelp_;
    std::vector<QWidget*> htmlIndexControls_;
    std::vector<QWidget*> htmlHelpControls_;
};

} // namespace torvane

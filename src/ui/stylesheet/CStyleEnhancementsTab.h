#pragma once
#include "ui/stylesheet/StylePage.h"

namespace torvane {

// "Enhanced Content": include files and the return-to-top link.
class CStyleEnhancementsTab : public StylePage {
    Q_OBJECT
public:
    CStyleEnhancementsTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent = nullptr);
    StylePathField* includePath() const { return includePath_; }
    StylePathField* returnPath() const { return returnPath_; }

protected:
    void applyEnabling() override;

private:
    QCheckBox* includeTop_;
    QCheckBox* includeBottom_;
    StylePathField* includePath_;
    QButtonGroup* returnLink_;
    QLineEdit* returnText_;
    StylePathField* returnPath_;
};

} // namespace torvane

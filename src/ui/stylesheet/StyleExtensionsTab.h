#pragma once
#include "ui/stylesheet/StylePage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace torvane {

// "Language and Page": the project's extensions beyond the classic options:
// the language the index is sorted and grouped for, case variants merged,
// and the classic pages or one modern page.
class StyleExtensionsTab : public StylePage {
    Q_OBJECT
public:
    StyleExtensionsTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent = nullptr);

protected:
    void loadOwnControls(const StyleSettings& values) override;
    void storeOwnControls(StyleSettings& values) const override;

private:
    QComboBox* language_;
    QCheckBox* mergeCaseVariants_;
    QButtonGroup* layout_;
};

} // namespace torvane

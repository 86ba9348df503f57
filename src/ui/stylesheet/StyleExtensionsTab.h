#pragma once
#include "ui/stylesheet/StylePage.h"
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace torvane {

// "Language and Page": the project's extensions beyond the classic options:
// the language the index is sorted and grouped for, case variants merged,
// the classic pages or one modern page, and an EPUB index beside them.
// the classic pages or one modern page, and the language of the index's
// own words with the project's wording of each.
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
    QCheckBox* epubIndex_;
    QLineEdit* wordsLanguage_;
    std::vector<QLineEdit*> words_; // in the order of indexWordKeys()
};

} // namespace torvane

#include "ui/stylesheet/StyleExtensionsTab.h"
#include "generate/LanguageCollation.h"
#include "ui/stylesheet/StyleSheetEnvironment.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace torvane {

StyleExtensionsTab::StyleExtensionsTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent)
    : StylePage(StylePageId::Extensions, environment, record, parent)
    , language_(new QComboBox(this))
    , mergeCaseVariants_(new QCheckBox("Merge Entries that Differ Only in Letter Case", this))
    , layout_(new QButtonGroup(this))
{
    language_->setObjectName("Collation");
    language_->addItem("Byte Order (classic)", QString());
    for (const CollationLanguage& language : collationLanguages())
        language_->addItem(QString::fromStdString(language.name + " (" + language.tag + ")"),
                           QString::fromStdString(language.tag));
    mergeCaseVariants_->setObjectName("Merge Case Variants");
    auto* sortingBox = new QGroupBox("Sorting and Letter Groups", this);
    auto* sorting = new QFormLayout(sortingBox);
    sorting->addRow("Language:", language_);
    sorting->addRow(mergeCaseVariants_);

    layout_->setObjectName("Index Layout");
    auto* pageBox = new QGroupBox("HTML Index Page", this);
    auto* page = new QVBoxLayout(pageBox);
    for (auto [label, id] :
         {std::pair {"Classic Pages", IndexLayout::Classic},
          std::pair {"One Modern Page (HTML5, letter bar, filter box, dark mode)", IndexLayout::Modern}}) {
        auto* radio = new QRadioButton(label, pageBox);
        layout_->addButton(radio, id);
        page->addWidget(radio);
    }

    const QString kept = environment.projectMode ? "Kept in the project file only."
                                                 : "New projects start from these choices; "
                                                   "projects already written keep their own.";
    auto* note = new QLabel(kept + " With byte order, classic pages and no merging, "
                                   "the index is exactly the classic one.",
                            this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sortingBox);
    layout->addWidget(pageBox);
    layout->addWidget(note);
    layout->addStretch();
    showRecord();
}

void StyleExtensionsTab::loadOwnControls(const StyleSettings& values)
{
    const TorvaneExtensions& extensions = values.extensions;
    const QString tag = QString::fromStdString(extensions.collation);
    int index = language_->findData(tag);
    // A tag the list lacks, as written into the file by hand, is kept.
    if (index < 0) {
        language_->addItem(tag, tag);
        index = language_->count() - 1;
    }
    language_->setCurrentIndex(index);
    mergeCaseVariants_->setChecked(extensions.mergeCaseVariants != 0);
    layout_->setExclusive(false);
    for (QAbstractButton* button : layout_->buttons())
        button->setChecked(layout_->id(button) == extensions.indexLayout);
    layout_->setExclusive(true);
}

void StyleExtensionsTab::storeOwnControls(StyleSettings& values) const
{
    TorvaneExtensions& extensions = values.extensions;
    extensions.collation = language_->currentData().toString().toStdString();
    extensions.mergeCaseVariants = mergeCaseVariants_->isChecked() ? 1 : 0;
    if (layout_->checkedId() >= 0)
        extensions.indexLayout = layout_->checkedId();
}

} // namespace torvane

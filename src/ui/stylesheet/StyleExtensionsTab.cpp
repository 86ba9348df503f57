#include "ui/stylesheet/StyleExtensionsTab.h"
#include "generate/IndexWords.h"
#include "generate/LanguageCollation.h"
#include "ui/stylesheet/StyleSheetEnvironment.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace torvane {

StyleExtensionsTab::StyleExtensionsTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent)
    : StylePage(StylePageId::Extensions, environment, record, parent)
    , language_(new QComboBox(this))
    , mergeCaseVariants_(new QCheckBox("Merge Entries that Differ Only in Letter Case", this))
    , layout_(new QButtonGroup(this))
    , epubIndex_(new QCheckBox("Also Write an EPUB Index (XHTML, for an e-book's spine)", this))
    , wordsLanguage_(new QLineEdit(this))
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
    epubIndex_->setObjectName("Epub Index");
    page->addWidget(epubIndex_);

    // Each word left empty is the language's own; the field shows it.
    wordsLanguage_->setObjectName("Language");
    wordsLanguage_->setPlaceholderText("The sorting language's, else English");
    auto* wordsBox = new QGroupBox("Index Words", this);
    auto* wordsForm = new QFormLayout(wordsBox);
    wordsForm->addRow("Words in:", wordsLanguage_);
    for (const IndexWordKey& key : indexWordKeys()) {
        auto* field = new QLineEdit(wordsBox);
        field->setObjectName(QString("Word ") + key.key);
        wordsForm->addRow(QString(key.key) + ":", field);
        words_.push_back(field);
    }

    // The words are the project's own: the defaults for new projects have none.
    wordsBox->setVisible(environment.projectMode);

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
    layout->addWidget(wordsBox);
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
    epubIndex_->setChecked(extensions.epubIndex != 0);
    wordsLanguage_->setText(QString::fromStdString(extensions.language));
    TorvaneExtensions languageOnly = extensions;
    languageOnly.words.clear();
    const IndexWords shown = indexWords(languageOnly);
    const auto& keys = indexWordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto own = extensions.words.find(keys[i].key);
        words_[i]->setText(own == extensions.words.end() ? QString() : QString::fromStdString(own->second));
        words_[i]->setPlaceholderText(QString::fromStdString(shown.*keys[i].word));
    }
}

void StyleExtensionsTab::storeOwnControls(StyleSettings& values) const
{
    TorvaneExtensions& extensions = values.extensions;
    extensions.collation = language_->currentData().toString().toStdString();
    extensions.mergeCaseVariants = mergeCaseVariants_->isChecked() ? 1 : 0;
    extensions.epubIndex = epubIndex_->isChecked() ? 1 : 0;
    if (layout_->checkedId() >= 0)
        extensions.indexLayout = layout_->checkedId();
    extensions.language = wordsLanguage_->text().trimmed().toStdString();
    extensions.words.clear();
    const auto& keys = indexWordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!words_[i]->text().isEmpty())
            extensions.words[keys[i].key] = words_[i]->text().toStdString();
}

} // namespace torvane

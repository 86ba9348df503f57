#include "ui/stylesheet/StylePage.h"
#include "platform/MessageSink.h"
#include "ui/stylesheet/StyleSheetEnvironment.h"
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace torvane {

StylePage::StylePage(StylePageId id, const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , record_(record)
    , id_(id)
{
}

bool StylePage::leave()
{
    StyleSettings values = record_;
    bindings_.store(values);
    storeOwnControls(values);
    if (const auto problem = checkStylePage(id_, values)) {
        environment_.messages.showMessage(*problem);
        return false;
    }
    normaliseStylePage(id_, values);
    record_ = values;
    showRecord();
    return true;
}

QCheckBox* StylePage::addCheck(const char* text, const char* key, int StyleSettings::*field)
{
    auto* box = new QCheckBox(text, this);
    box->setObjectName(key);
    bindings_.check(box, field);
    return box;
}

QButtonGroup* StylePage::addRadios(const QStringList& labels, const char* key, int StyleSettings::*field,
                                   QBoxLayout* layout, int firstValue)
{
    auto* group = new QButtonGroup(this);
    group->setObjectName(key);
    for (int i = 0; i < labels.size(); ++i) {
        auto* radio = new QRadioButton(labels[i], this);
        group->addButton(radio, i);
        if (layout)
            layout->addWidget(radio);
    }
    bindings_.radios(group, field, firstValue);
    return group;
}

QLineEdit* StylePage::addText(const char* key, std::string StyleSettings::*field)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(key);
    bindings_.text(edit, field);
    return edit;
}

StylePathField* StylePage::addPath(const char* key, const StylePathField::Setup& setup)
{
    auto* field = new StylePathField(environment_, record_, setup, this);
    field->edit()->setObjectName(key);
    bindings_.text(field->edit(), setup.path);
    return field;
}

void StylePage::showRecord()
{
    bindings_.load(record_);
    loadOwnControls(record_);
    applyEnabling();
}

} // namespace torvane

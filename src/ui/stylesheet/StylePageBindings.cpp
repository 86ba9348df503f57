#include "ui/stylesheet/StylePageBindings.h"
#include "ui/common/EditBytes.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

namespace torvane {

void StylePageBindings::check(QCheckBox* box, int StyleSettings::*field)
{
    checks_.push_back({box, field});
}

void StylePageBindings::radios(QButtonGroup* group, int StyleSettings::*field, int firstValue)
{
    radios_.push_back({group, field, firstValue});
}

void StylePageBindings::text(QLineEdit* edit, std::string StyleSettings::*field)
{
    texts_.push_back({edit, field});
}

void StylePageBindings::load(const StyleSettings& values) const
{
    for (const Check& check : checks_)
        check.box->setChecked(values.*check.field != 0);
    for (const Radios& radios : radios_) {
        if (QAbstractButton* button = radios.group->button(values.*radios.field - radios.firstValue)) {
            button->setChecked(true);
            continue;
        }
        // An exclusive group refuses to uncheck its chosen button.
        radios.group->setExclusive(false);
        for (QAbstractButton* button : radios.group->buttons())
            button->setChecked(false);
        radios.group->setExclusive(true);
    }
    for (const Text& text : texts_)
        showBytes(*text.edit, values.*text.field);
}

void StylePageBindings::store(StyleSettings& values) const
{
    for (const Check& check : checks_)
        values.*check.field = check.box->isChecked() ? 1 : 0;
    for (const Radios& radios : radios_) {
        if (const int chosen = radios.group->checkedId(); chosen >= 0)
            values.*radios.field = chosen + radios.firstValue;
    }
    for (const Text& text : texts_)
        values.*text.field = textBytes(*text.edit);
}

} // namespace torvane

#include "ui/common/ButtonRowLayout.h"
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

void layOutAboveButtonRow(QWidget& owner, QLayout* content, std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    auto* layout = new QVBoxLayout(&owner);
    layout->addLayout(content);
    layout->addLayout(row);
}

} // namespace torvane

#pragma once
#include <initializer_list>

class QLayout;
class QPushButton;
class QWidget;

namespace torvane {

// Gives `owner` its whole layout: `content` above a row of `buttons` kept
// to the right.
void layOutAboveButtonRow(QWidget& owner, QLayout* content, std::initializer_list<QPushButton*> buttons);

} // namespace torvane

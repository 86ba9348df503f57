#pragma once
#include "ui/QtText.h"
#include <QLineEdit>
#include <string>

namespace torvane {

// The entry dialogs keep field texts as bytes, UTF-8 in the edits.
inline std::string textBytes(const QLineEdit& edit)
{
    return edit.text().toUtf8().toStdString();
}

inline void showBytes(QLineEdit& edit, const std::string& text)
{
    edit.setText(fromBytes(text));
}

} // namespace torvane

#pragma once
#include "ui/common/QtText.h"
#include <QByteArray>
#include <QLineEdit>
#include <QVariant>
#include <string>

namespace torvane {

// Edit fields keep the bytes they were filled with, so that a field the user
// left alone hands back exactly those bytes whatever their encoding. A limit
// on typing must not cut a longer stored value either.
inline void showBytes(QLineEdit& edit, const std::string& text)
{
    edit.setProperty("torvaneBytes", QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    const QString shown = fromBytes(text);
    if (shown.size() > edit.maxLength())
        edit.setMaxLength(static_cast<int>(shown.size()));
    edit.setText(shown);
}

inline std::string textBytes(const QLineEdit& edit)
{
    const QByteArray original = edit.property("torvaneBytes").toByteArray();
    return toBytes(edit.text(), std::string_view(original.constData(), static_cast<std::size_t>(original.size())));
}

} // namespace torvane

#pragma once
#include "platform/TextUtil.h"
#include <QString>
#include <string_view>

namespace torvane {

// The program's byte strings shown in widgets. UTF-8 passes through; bytes
// that are not UTF-8 (a page written in a single-byte code page) are shown
// one character per byte, so that they can come back unchanged.
inline QString fromBytes(std::string_view text)
{
    const auto size = static_cast<qsizetype>(text.size());
    return isUtf8(text) ? QString::fromUtf8(text.data(), size) : QString::fromLatin1(text.data(), size);
}

// The bytes for `text` edited from `original`: the original bytes when the
// text was not changed; text in a field that held code-page bytes stays in
// that form while every character fits a byte; otherwise UTF-8.
inline std::string toBytes(const QString& text, std::string_view original)
{
    if (text == fromBytes(original))
        return std::string(original);
    if (!isUtf8(original)) {
        bool fitsBytes = true;
        for (QChar c : text)
            fitsBytes = fitsBytes && c.unicode() <= 0xFF;
        if (fitsBytes)
            return text.toLatin1().toStdString();
    }
    return text.toUtf8().toStdString();
}

} // namespace torvane

#pragma once
#include <QString>
#include <string_view>

namespace torvane {

// Whether `text` is well-formed UTF-8.
inline bool isUtf8(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || at + length > text.size())
            return false;
        for (std::size_t next = 1; next < length; ++next)
            if ((static_cast<unsigned char>(text[at + next]) & 0xC0) != 0x80)
                return false;
        at += length;
    }
    return true;
}

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

#pragma once
#include <QString>
#include <string_view>

namespace torvane {

// The program's byte strings shown in widgets; UTF-8 passes through.
inline QString fromBytes(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace torvane

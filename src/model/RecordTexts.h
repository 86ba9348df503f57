#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

namespace torvane {

// The texts of one record in a single allocation: a small table of where
// each text starts and how long it is, then the bytes. A text equal to an
// earlier one (HelpAs and IndexAs, a sort key without escapes and its SortAs)
// is stored once. With every text empty nothing is allocated.
class RecordTexts {
public:
    RecordTexts() = default;
    RecordTexts(const RecordTexts& other);
    RecordTexts& operator=(const RecordTexts&) = delete;

    // Replaces every text (at most sixteen); the views may point into this
    // object's own texts.
    void assign(std::span<const std::string_view> texts);
    // Empty for a slot beyond those assigned.
    std::string_view operator[](std::size_t slot) const;

private:
    std::size_t blockSize() const;

    // Slot count, table width (2 or 4 bytes), the table of starts and
    // lengths, then the texts.
    std::unique_ptr<unsigned char[]> block_;
};

}  // namespace torvane

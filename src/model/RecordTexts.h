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
    // Asks for the table and the first texts ahead of reading them, in a
    // long walk over records that would otherwise wait for each in turn.
    void fetchAhead() const
    {
        const unsigned char* block = block_.get();
        if (!block)
            return;
        __builtin_prefetch(block);
        __builtin_prefetch(block + 64);
    }

private:
    std::size_t blockSize() const;

    // Slot count, table width (2 or 4 bytes), the table of starts and
    // lengths, then the texts.
    std::unique_ptr<unsigned char[]> block_;
};

} // namespace torvane

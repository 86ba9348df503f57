#include "model/RecordTexts.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace torvane {

namespace {

constexpr std::size_t kHeader = 2;
constexpr std::size_t kMaxSlots = 16;

std::size_t readNumber(const unsigned char* at, std::size_t width)
{
    if (width == 2) {
        std::uint16_t value;
        std::memcpy(&value, at, sizeof value);
        return value;
    }
    std::uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void writeNumber(unsigned char* at, std::size_t width, std::size_t number)
{
    if (width == 2) {
        const auto value = static_cast<std::uint16_t>(number);
        std::memcpy(at, &value, sizeof value);
    } else {
        const auto value = static_cast<std::uint32_t>(number);
        std::memcpy(at, &value, sizeof value);
    }
}

} // namespace

RecordTexts::RecordTexts(const RecordTexts& other)
{
    if (!other.block_)
        return;
    const std::size_t size = other.blockSize();
    block_ = std::make_unique_for_overwrite<unsigned char[]>(size);
    std::memcpy(block_.get(), other.block_.get(), size);
}

void RecordTexts::assign(std::span<const std::string_view> text)
{
    const std::size_t count = text.size() < kMaxSlots ? text.size() : kMaxSlots;
    std::array<std::size_t, kMaxSlots> starts {};
    std::array<bool, kMaxSlots> repeated {};
    std::size_t bytes = 0;
    for (std::size_t slot = 0; slot < count; ++slot) {
        starts[slot] = bytes;
        for (std::size_t earlier = 0; earlier < slot; ++earlier) {
            if (text[earlier] == text[slot]) {
                starts[slot] = starts[earlier];
                repeated[slot] = true;
                break;
            }
        }
        if (!repeated[slot])
            bytes += text[slot].size();
    }
    if (bytes == 0) {
        block_.reset();
        return;
    }
    const std::size_t width = bytes <= 0xFFFF ? 2 : 4;
    const std::size_t tableSize = count * 2 * width;
    auto block = std::make_unique_for_overwrite<unsigned char[]>(kHeader + tableSize + bytes);
    block[0] = static_cast<unsigned char>(count);
    block[1] = static_cast<unsigned char>(width);
    unsigned char* table = block.get() + kHeader;
    unsigned char* data = table + tableSize;
    for (std::size_t slot = 0; slot < count; ++slot) {
        writeNumber(table + 2 * slot * width, width, starts[slot]);
        writeNumber(table + (2 * slot + 1) * width, width, text[slot].size());
        if (!repeated[slot] && !text[slot].empty())
            std::memcpy(data + starts[slot], text[slot].data(), text[slot].size());
    }
    // The views may have pointed into the old block, so it goes last.
    block_ = std::move(block);
}

std::string_view RecordTexts::operator[](std::size_t slot) const
{
    if (!block_ || slot >= block_[0])
        return {};
    const std::size_t width = block_[1];
    const unsigned char* table = block_.get() + kHeader;
    const std::size_t start = readNumber(table + 2 * slot * width, width);
    const std::size_t length = readNumber(table + (2 * slot + 1) * width, width);
    const unsigned char* data = table + block_[0] * 2 * width;
    return {reinterpret_cast<const char*>(data + start), length};
}

std::size_t RecordTexts::blockSize() const
{
    const std::size_t count = block_[0];
    const std::size_t width = block_[1];
    const unsigned char* table = block_.get() + kHeader;
    std::size_t bytes = 0;
    for (std::size_t slot = 0; slot < count; ++slot) {
        const std::size_t end =
            readNumber(table + 2 * slot * width, width) + readNumber(table + (2 * slot + 1) * width, width);
        bytes = end > bytes ? end : bytes;
    }
    return kHeader + count * 2 * width + bytes;
}

} // namespace torvane

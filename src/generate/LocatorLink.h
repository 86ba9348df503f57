#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace torvane {

// Where one index entry points, with the entry's own texts. The texts lie
// one after another in one piece of the generator's memory, so a link holds
// one address and their lengths (40 bytes instead of seven views).
class LocatorLink {
public:
    // The texts in the order they are stored.
    enum Text : std::uint8_t { Address, FrameTarget, HelpTitle, HelpWindow, HelpFrame, IndexAs, HelpAs };
    static constexpr std::size_t kTexts = 7;
    using Texts = std::array<std::string_view, kTexts>;

    LocatorLink() = default;

    // Copies the texts one after another from `at` on and moves `at` past
    // them; HelpAs is not stored again when it equals IndexAs.
    static LocatorLink packed(char*& at, const Texts& texts, std::uint32_t holderNumber);

    // Owner's relative URL, percent-encoded where a link needs it.
    std::string_view address() const { return text(Address); }
    // IndexTarget and the next three, escapes resolved.
    std::string_view frameTarget() const { return text(FrameTarget); }
    std::string_view helpTitle() const { return text(HelpTitle); }
    std::string_view helpWindow() const { return text(HelpWindow); }
    std::string_view helpFrame() const { return text(HelpFrame); }
    std::string_view text(Text which) const
    {
        if (which == HelpAs && lengths_[HelpAs] == kSharedText)
            which = IndexAs;
        std::size_t offset = 0;
        for (std::size_t i = 0; i < which; ++i)
            offset += lengths_[i];
        return {texts_ + offset, lengths_[which]};
    }
    // Shared by the links of one holder's entries (and so one address); other
    // links may still have equal addresses.
    std::uint32_t holderNumber() const { return holderNumber_; }

    // The stored piece, for moving it elsewhere.
    const char* storedTexts() const { return texts_; }
    std::size_t storedSize() const;
    void moveTextsTo(const char* texts) { texts_ = texts; }

private:
    // The length of HelpAs when it is IndexAs, stored once.
    static constexpr std::uint32_t kSharedText = UINT32_MAX;

    const char* texts_ = nullptr;
    std::array<std::uint32_t, kTexts> lengths_ {};
    std::uint32_t holderNumber_ = 0;
};

} // namespace torvane

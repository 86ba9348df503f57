#include "shell/cli/JsonValue.h"
#include "shell/cli/MarkupText.h"
#include <cstdint>

namespace torvane {

namespace {

// Deep enough for any document we read; a deeper one is refused, not a stack overflow.
constexpr int kMaxDepth = 200;

class JsonParser {
public:
    explicit JsonParser(std::string_view text)
        : text_(text)
    {
    }

    std::optional<JsonValue> document(std::string& problem)
    {
        JsonValue value;
        if (parseValue(value, 0)) {
            skipBlanks();
            if (at_ == text_.size())
                return value;
            fail("text after the value");
        }
        problem = problem_ + " at character " + std::to_string(at_ + 1);
        return std::nullopt;
    }

private:
    bool fail(const char* what)
    {
        if (problem_.empty())
            problem_ = what;
        return false;
    }
    void skipBlanks()
    {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }
    bool take(char wanted)
    {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == wanted) {
            ++at_;
            return true;
        }
        return false;
    }
    bool word(std::string_view expected)
    {
        if (text_.substr(at_, expected.size()) != expected)
            return fail("an unknown word");
        at_ += expected.size();
        return true;
    }

    bool parseValue(JsonValue& value, int depth)
    {
        if (depth > kMaxDepth)
            return fail("values nested too deeply");
        skipBlanks();
        if (at_ == text_.size())
            return fail("a value is missing");
        value.offset = at_;
        switch (text_[at_]) {
        case '{':
            value.kind = JsonValue::Kind::Object;
            return parseObject(value, depth);
        case '[':
            value.kind = JsonValue::Kind::Array;
            return parseArray(value, depth);
        case '"':
            value.kind = JsonValue::Kind::String;
            return parseString(value.text);
        case 't':
            value.kind = JsonValue::Kind::Boolean;
            value.boolean = true;
            return word("true");
        case 'f':
            value.kind = JsonValue::Kind::Boolean;
            return word("false");
        case 'n':
            return word("null");
        default:
            value.kind = JsonValue::Kind::Number;
            return parseNumber(value.text);
        }
    }

    bool parseObject(JsonValue& value, int depth)
    {
        ++at_;
        if (take('}'))
            return true;
        do {
            skipBlanks();
            std::string name;
            if (at_ == text_.size() || text_[at_] != '"')
                return fail("a member name is missing");
            if (!parseString(name))
                return false;
            if (!take(':'))
                return fail("a colon is missing");
            JsonValue member;
            if (!parseValue(member, depth + 1))
                return false;
            value.members.emplace_back(std::move(name), std::move(member));
        } while (take(','));
        return take('}') || fail("a comma or closing brace is missing");
    }

    bool parseArray(JsonValue& value, int depth)
    {
        ++at_;
        if (take(']'))
            return true;
        do {
            JsonValue item;
            if (!parseValue(item, depth + 1))
                return false;
            value.items.push_back(std::move(item));
        } while (take(','));
        return take(']') || fail("a comma or closing bracket is missing");
    }

    bool parseNumber(std::string& number)
    {
        const std::size_t start = at_;
        while (at_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos)
            ++at_;
        if (at_ == start)
            return fail("an unexpected character");
        number = std::string(text_.substr(start, at_ - start));
        return true;
    }

    bool hexDigits(std::uint32_t& code)
    {
        if (at_ + 4 > text_.size())
            return fail("a short \\u escape");
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<std::uint32_t>(c - '0');
            else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
                code |= static_cast<std::uint32_t>((c | 0x20) - 'a' + 10);
            else
                return fail("a bad \\u escape");
        }
        return true;
    }

    bool unicodeEscape(std::string& text)
    {
        std::uint32_t code = 0;
        if (!hexDigits(code))
            return false;
        // A surrogate pair stands for one character beyond the first plane.
        if (code >= 0xD800 && code < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            at_ += 2;
            std::uint32_t low = 0;
            if (!hexDigits(low))
                return false;
            if (low < 0xDC00 || low > 0xDFFF)
                return fail("a lone surrogate");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        } else if (code >= 0xD800 && code < 0xE000) {
            return fail("a lone surrogate");
        }
        appendUtf8(text, code);
        return true;
    }

    bool parseString(std::string& text)
    {
        ++at_;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("a control character in a string");
            if (c != '\\') {
                text += c;
                continue;
            }
            if (at_ == text_.size())
                break;
            const char escaped = text_[at_++];
            switch (escaped) {
            case '"':
            case '\\':
            case '/':
                text += escaped;
                break;
            case 'b':
                text += '\b';
                break;
            case 'f':
                text += '\f';
                break;
            case 'n':
                text += '\n';
                break;
            case 'r':
                text += '\r';
                break;
            case 't':
                text += '\t';
                break;
            case 'u':
                if (!unicodeEscape(text))
                    return false;
                break;
            default:
                return fail("a bad escape in a string");
            }
        }
        return fail("a string is not closed");
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string problem_;
};

} // namespace

const JsonValue* JsonValue::member(std::string_view name) const
{
    for (const auto& [key, value] : members)
        if (key == name)
            return &value;
    return nullptr;
}

std::optional<JsonValue> parseJson(std::string_view text, std::string& problem)
{
    return JsonParser(text).document(problem);
}

} // namespace torvane

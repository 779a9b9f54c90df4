#include "report/text/Utf16Text.h"

#include "platform/text/Utf8Text.h"

namespace {

constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char16_t kHighSurrogateFirst = 0xD800;
constexpr char16_t kLowSurrogateFirst = 0xDC00;
constexpr char16_t kSurrogateEnd = 0xE000;

bool IsHighSurrogate(char16_t c) { return c >= kHighSurrogateFirst && c < kLowSurrogateFirst; }
bool IsLowSurrogate(char16_t c) { return c >= kLowSurrogateFirst && c < kSurrogateEnd; }

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t c = platform::NextCodePoint(text, at);
        if (c < kFirstSupplementary) {
            out += static_cast<char16_t>(c);
        } else {
            c -= kFirstSupplementary;
            out += static_cast<char16_t>(kHighSurrogateFirst + (c >> 10));
            out += static_cast<char16_t>(kLowSurrogateFirst + (c & 0x3FF));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            char32_t code = kFirstSupplementary + ((char32_t(c) - kHighSurrogateFirst) << 10) +
                            (char32_t(text[i + 1]) - kLowSurrogateFirst);
            platform::AppendUtf8(out, code);
            ++i;
        } else {
            platform::AppendUtf8(out, c);  // a lone surrogate is written as U+FFFD
        }
    }
    return out;
}

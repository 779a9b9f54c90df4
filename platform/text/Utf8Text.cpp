#include "platform/text/Utf8Text.h"

#include <cstring>

namespace platform {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t code) { return code >= 0xD800 && code <= 0xDFFF; }
bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed sequence at `at` and its code point; a
// length of 0 when the byte there starts none.
struct Sequence {
    std::size_t length = 0;
    char32_t code = 0;
};

Sequence ReadSequence(std::string_view text, std::size_t at) {
    auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {1, lead};
    std::size_t length;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, minimum = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, minimum = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, minimum = 0x10000;
    else return {};
    if (length > text.size() - at) return {};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) return {};
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < minimum || code > kLastCodePoint || IsSurrogate(code)) return {};
    return {length, code};
}

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    Sequence sequence = ReadSequence(text, at);
    if (sequence.length == 0) {
        ++at;
        return kReplacementCharacter;
    }
    at += sequence.length;
    return sequence.code;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) out += NextCodePoint(text, at);
    return out;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = ReadSequence(text, at).length;
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code > kLastCodePoint || IsSurrogate(code)) code = kReplacementCharacter;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t code : text) AppendUtf8(out, code);
    return out;
}

std::string_view Utf8Argument(const char* text, int count) {
    if (!text) return {};
    if (count < 0) return std::string_view(text, std::strlen(text));
    return std::string_view(text, static_cast<std::size_t>(count));
}

}  // namespace platform

#include "ui/core/Utf8.h"

namespace {

// Code points of the bytes 0x80-0xBF; 0xC0-0xFF are А..я in order.
constexpr char16_t kHighHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// The length of a well-formed sequence starting at `at`, or 0.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, minimum = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, minimum = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, minimum = 0x10000;
    else return 0;
    if (at + length > text.size()) return 0;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    std::size_t length = SequenceLength(text, at);
    auto lead = static_cast<unsigned char>(text[at]);
    if (length <= 1) {
        ++at;
        return lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    at += length;
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t length = SequenceLength(bytes, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) out += ch;
        else if (b < 0xC0) AppendUtf8(out, kHighHalf[b - 0x80]);
        else AppendUtf8(out, 0x410 + (b - 0xC0));
    }
    return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (SequenceLength(text, at) == 0) return std::nullopt;
        char32_t c = NextCodePoint(text, at);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= 0x410 && c <= 0x44F) {
            out += static_cast<char>(0xC0 + (c - 0x410));
        } else {
            int found = -1;
            for (int i = 0; i < 64; ++i)
                if (kHighHalf[i] == c) found = i;
            if (found < 0) return std::nullopt;
            out += static_cast<char>(0x80 + found);
        }
    }
    return out;
}

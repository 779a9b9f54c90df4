#include "ui/core/Cp1251Text.h"

#include "platform/text/Utf8Text.h"

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

constexpr char32_t kFirstCyrillicCapital = 0x410;  // А, the byte 0xC0
constexpr char32_t kLastCyrillicSmall = 0x44F;     // я, the byte 0xFF

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) out += ch;
        else if (b < 0xC0) platform::AppendUtf8(out, kHighHalf[b - 0x80]);
        else platform::AppendUtf8(out, kFirstCyrillicCapital + (b - 0xC0));
    }
    return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    // A malformed byte decodes as U+FFFD, which the code page has no place for.
    for (std::size_t at = 0; at < text.size();) {
        char32_t c = platform::NextCodePoint(text, at);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= kFirstCyrillicCapital && c <= kLastCyrillicSmall) {
            out += static_cast<char>(0xC0 + (c - kFirstCyrillicCapital));
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

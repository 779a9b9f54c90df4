#include "report/text/detail/SingleByteTables.h"

#include "report/text/CodePages.h"
#include "report/text/Utf16Text.h"
#include "ui/core/Cp1251Text.h"

namespace report_detail {
namespace {

// Undefined bytes of 1252 stand for the control characters of their value,
// as the system's conversion maps them.
constexpr UpperHalf kWestern = [] {
    UpperHalf t{};
    constexpr char16_t low[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    for (int i = 0; i < 32; ++i) t[i] = low[i];
    for (int i = 32; i < 128; ++i) t[i] = static_cast<char16_t>(0x80 + i);
    return t;
}();

constexpr UpperHalf kOemCyrillic = [] {
    UpperHalf t{};
    for (int i = 0; i < 48; ++i) t[i] = static_cast<char16_t>(0x0410 + i);        // А..п
    constexpr char16_t boxes[48] = {
        0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
        0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
        0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
        0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
        0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
        0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    };
    for (int i = 0; i < 48; ++i) t[48 + i] = boxes[i];
    for (int i = 0; i < 16; ++i) t[96 + i] = static_cast<char16_t>(0x0440 + i);  // р..я
    constexpr char16_t tail[16] = {
        0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,
        0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,
    };
    for (int i = 0; i < 16; ++i) t[112 + i] = tail[i];
    return t;
}();

constexpr UpperHalf kMacCyrillic = [] {
    UpperHalf t{};
    for (int i = 0; i < 32; ++i) t[i] = static_cast<char16_t>(0x0410 + i);  // А..Я
    constexpr char16_t middle[64] = {
        0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x0406,
        0x00AE, 0x00A9, 0x2122, 0x0402, 0x0452, 0x2260, 0x0403, 0x0453,
        0x221E, 0x00B1, 0x2264, 0x2265, 0x0456, 0x00B5, 0x2202, 0x0408,
        0x0404, 0x0454, 0x0407, 0x0457, 0x0409, 0x0459, 0x040A, 0x045A,
        0x0458, 0x0405, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
        0x00BB, 0x2026, 0x00A0, 0x040B, 0x045B, 0x040C, 0x045C, 0x0455,
        0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x201E,
        0x040E, 0x045E, 0x040F, 0x045F, 0x2116, 0x0401, 0x0451, 0x044F,
    };
    for (int i = 0; i < 64; ++i) t[32 + i] = middle[i];
    for (int i = 0; i < 31; ++i) t[96 + i] = static_cast<char16_t>(0x0430 + i);  // а..ю
    t[127] = 0x00A4;
    return t;
}();

// Windows-1251 has its one home in the class library; its table is read
// from there.
UpperHalf BuildCyrillic() {
    UpperHalf t{};
    for (int i = 0; i < 128; ++i) {
        char byte = static_cast<char>(0x80 + i);
        t[i] = Utf8ToUtf16(Cp1251ToUtf8(std::string_view(&byte, 1)))[0];
    }
    return t;
}

}  // namespace

const UpperHalf* UpperHalfOf(std::uint32_t codePage) {
    static const UpperHalf cyrillic = BuildCyrillic();
    switch (codePage) {
        case 1251: return &cyrillic;
        case 1252: return &kWestern;
        case kSystemOemCodePage: return &kOemCyrillic;
        case kSystemMacCodePage: return &kMacCyrillic;
        default: return nullptr;
    }
}

}  // namespace report_detail

#include "ui/core/CodePoints.h"

#include "ui/core/Utf8.h"

std::u32string ToCodePoints(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) out.push_back(NextCodePoint(utf8, at));
    return out;
}

std::string FromCodePoints(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) AppendUtf8(out, c);
    return out;
}

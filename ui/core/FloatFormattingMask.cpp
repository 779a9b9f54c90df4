#include "ui/core/FloatFormatting.h"

#include "ui/core/NumberConversion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The mask's sections, quotes respected.
std::vector<std::string> SplitSections(const std::string& mask) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : mask) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

struct MaskShape {
    int integerZeros = 0;     // '0' before the point
    int integerDigits = 0;    // '0' or '#' before the point
    int decimalZeros = 0;     // '0' after the point
    int decimalDigits = 0;    // '0' or '#' after the point
    bool grouping = false;
    bool hasPoint = false;
    bool exponent = false;
    bool exponentPlus = false;
    int exponentDigits = 0;
    int firstPlaceholder = -1;  // index in the mask
    int lastPlaceholder = -1;
};

MaskShape ReadShape(const std::string& mask) {
    MaskShape s;
    char quote = 0;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (s.exponent) {
            if (c == '0') ++s.exponentDigits;
        } else if (c == '0' || c == '#') {
            if (s.firstPlaceholder < 0) s.firstPlaceholder = static_cast<int>(i);
            s.lastPlaceholder = static_cast<int>(i);
            if (s.hasPoint) {
                ++s.decimalDigits;
                if (c == '0') s.decimalZeros = s.decimalDigits;
            } else {
                ++s.integerDigits;
                if (c == '0') ++s.integerZeros;
            }
        } else if (c == '.') {
            if (!s.hasPoint) {
                s.hasPoint = true;
                if (s.firstPlaceholder < 0) s.firstPlaceholder = static_cast<int>(i);
                s.lastPlaceholder = static_cast<int>(i);
            }
        } else if (c == ',') {
            if (!s.hasPoint) s.grouping = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < mask.size() && (mask[i + 1] == '+' || mask[i + 1] == '-')) {
            s.exponent = true;
            s.exponentPlus = mask[i + 1] == '+';
            s.lastPlaceholder = static_cast<int>(i);
            ++i;
        }
    }
    return s;
}

std::string FormatNumber(const MaskShape& s, double value) {
    int exponent = 0;
    if (s.exponent && value != 0) {
        exponent = static_cast<int>(std::floor(std::log10(value)));
        const int shift = s.integerDigits > 0 ? s.integerDigits - 1 : 0;
        exponent -= shift;
        value /= std::pow(10.0, exponent);
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", s.decimalDigits, value);
    std::string text = buffer;
    std::string integerPart = text.substr(0, text.find('.'));
    std::string decimals = text.find('.') == std::string::npos ? "" : text.substr(text.find('.') + 1);
    if (s.exponent && integerPart.size() > static_cast<std::size_t>(std::max(1, s.integerDigits))) {
        // rounding carried into a new digit
        value /= 10;
        ++exponent;
        std::snprintf(buffer, sizeof buffer, "%.*f", s.decimalDigits, value);
        text = buffer;
        integerPart = text.substr(0, text.find('.'));
        decimals = text.find('.') == std::string::npos ? "" : text.substr(text.find('.') + 1);
    }
    while (static_cast<int>(decimals.size()) > s.decimalZeros && !decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    if (integerPart == "0" && s.integerZeros == 0) integerPart.clear();
    if (static_cast<int>(integerPart.size()) < s.integerZeros)
        integerPart = std::string(s.integerZeros - integerPart.size(), '0') + integerPart;
    if (s.grouping) integerPart = GroupThousands(integerPart);
    std::string out = integerPart;
    if (!decimals.empty()) out += DecimalSeparator + decimals;
    if (out.empty()) out = "0";
    if (s.exponent) {
        out += 'E';
        if (exponent < 0)
            out += '-';
        else if (s.exponentPlus)
            out += '+';
        std::string e = std::to_string(std::abs(exponent));
        if (static_cast<int>(e.size()) < s.exponentDigits) e = std::string(s.exponentDigits - e.size(), '0') + e;
        out += e;
    }
    return out;
}

// The section with its literal text around the number.
std::string ApplySection(const std::string& section, double magnitude, bool minusSign) {
    const MaskShape shape = ReadShape(section);
    std::string out;
    if (minusSign) out += '-';
    if (shape.firstPlaceholder < 0) {
        for (char c : section)
            if (c != '"' && c != '\'') out += c;
        return out;
    }
    char quote = 0;
    bool numberWritten = false;
    for (int i = 0; i < static_cast<int>(section.size()); ++i) {
        const char c = section[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                out += c;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
            continue;
        }
        if (i >= shape.firstPlaceholder && i <= shape.lastPlaceholder) {
            if (!numberWritten) {
                out += FormatNumber(shape, magnitude);
                numberWritten = true;
            }
            if ((c == 'E' || c == 'e') && i + 1 < static_cast<int>(section.size())) ++i;
            continue;
        }
        if (shape.exponent && i > shape.lastPlaceholder && c == '0') continue;
        if (c == ',') continue;
        out += c;
    }
    return out;
}

}  // namespace

std::string FormatFloat(const std::string& mask, double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (mask.empty()) return FloatToStr(value);
    const std::vector<std::string> sections = SplitSections(mask);
    if (value == 0 && sections.size() >= 3 && !sections[2].empty()) return ApplySection(sections[2], 0, false);
    if (value < 0 && sections.size() >= 2 && !sections[1].empty())
        return ApplySection(sections[1], -value, false);
    const std::string result = ApplySection(sections[0], std::fabs(value), false);
    // a negative value that shows as zero carries no sign
    if (value < 0 && result.find_first_of("123456789") != std::string::npos) return "-" + result;
    return result;
}

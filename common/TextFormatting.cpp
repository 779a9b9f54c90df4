#include "common/TextFormatting.h"

#include "ui/core/Rounding.h"

#include <cstdio>
#include <vector>

std::string FloatToCommaText(int decimals, double x) {
    if (decimals < 1) decimals = 1;
    double kept = RoundToWhole(x * 10000.0) / 10000.0;
    char field[400];
    std::snprintf(field, sizeof field, "%20.*f", decimals, kept);
    std::string text = field;
    if (auto point = text.find('.'); point != std::string::npos) text[point] = ',';
    return TrimText(text);
}

std::string IntToZeroPaddedText(std::uint64_t n, int digits) {
    std::string text = std::to_string(n);
    if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

std::string TrimText(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    return std::string(text);
}

std::string FormatString(std::string_view format, std::initializer_list<FormatValue> values) {
    std::vector<platform::WsprintfArg> arguments;
    arguments.reserve(values.size());
    for (const FormatValue& value : values) arguments.push_back(value.Argument());
    char buffer[platform::WSPRINTF_BUFFER_SIZE];
    std::string pattern(format);
    int length = platform::wvsprintfA(buffer, pattern.c_str(), arguments.data(), arguments.size());
    return std::string(buffer, static_cast<std::size_t>(length));
}

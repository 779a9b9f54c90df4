#include "ui/core/NumberConversion.h"

#include "ui/core/Exceptions.h"
#include "ui/core/FloatFormatting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    std::string_view body = text.substr(begin, end - begin);
    bool negative = false;
    if (!body.empty() && (body[0] == '-' || body[0] == '+')) {
        negative = body[0] == '-';
        body.remove_prefix(1);
    }
    int base = 10;
    if (!body.empty() && body[0] == '$') {
        base = 16;
        body.remove_prefix(1);
    } else if (body.size() > 1 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        base = 16;
        body.remove_prefix(2);
    }
    if (body.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : body) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        value = value * base + digit;
        if (value > 0x1'0000'0000LL) return std::nullopt;
    }
    if (negative) value = -value;
    // Hexadecimal fills all 32 bits, as the library reads "$FFFFFFFF" as -1.
    if (base == 16 && !negative && value <= 0xFFFF'FFFFLL) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<double> ParseFloat(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    std::string body(text.substr(begin, end - begin));
    if (body.empty()) return std::nullopt;
    // Only digits, one separator, sign and exponent: strtod alone would take
    // "inf", "nan" and hexadecimal too.
    for (char& c : body) {
        if (c == ',') c = '.';
        else if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E')) return std::nullopt;
    }
    char* stop = nullptr;
    double value = std::strtod(body.c_str(), &stop);
    if (stop != body.c_str() + body.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
    if (auto value = ParseInteger(text)) return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

std::string FloatToStr(double value) { return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0); }

double StrToFloat(std::string_view text) {
    if (auto value = ParseFloat(text)) return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

double StrToFloatDef(std::string_view text, double fallback) { return ParseFloat(text).value_or(fallback); }

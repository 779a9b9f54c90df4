#include "script/library/SysFunctions.h"

#include "ui/core/Exceptions.h"
#include "ui/core/FloatFormatting.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kDefaultPrecision = 15;
constexpr int kDefaultDecimals = 2;
constexpr int kExponentDigits = 3;
// %u and %x show the argument as a 32-bit unsigned number.
constexpr std::uint64_t kUnsignedMask = 0xFFFFFFFFu;
// Widths and precisions above this are refused rather than allocated.
constexpr int kLargestWidth = 1024;

[[noreturn]] void BadFormat(const std::string& format) {
    throw EConvertError("Format '" + format + "' invalid or incompatible with argument");
}

const Variant& Next(const std::string& format, const std::vector<Variant>& arguments, std::size_t& next) {
    if (next >= arguments.size()) BadFormat(format);
    return arguments[next++];
}

int ReadNumber(const std::string& format, std::size_t& at, const std::vector<Variant>& arguments, std::size_t& next, int fallback) {
    if (at < format.size() && format[at] == '*') {
        ++at;
        const int value = Next(format, arguments, next).AsInteger();
        if (value > kLargestWidth) BadFormat(format);
        return value;
    }
    if (at >= format.size() || format[at] < '0' || format[at] > '9') return fallback;
    int value = 0;
    while (at < format.size() && format[at] >= '0' && format[at] <= '9') {
        value = value * 10 + (format[at++] - '0');
        if (value > kLargestWidth) BadFormat(format);
    }
    return value;
}

std::string Pad(std::string text, int width, bool left) {
    if (width <= static_cast<int>(text.size())) return text;
    const std::string blanks(static_cast<std::size_t>(width) - text.size(), ' ');
    return left ? text + blanks : blanks + text;
}

}  // namespace

std::string FormatVariants(const std::string& format, const std::vector<Variant>& arguments) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') {
            out += format[at];
            continue;
        }
        if (++at >= format.size()) BadFormat(format);
        if (format[at] == '%') {
            out += '%';
            continue;
        }
        const bool left = format[at] == '-';
        if (left) ++at;
        const int width = ReadNumber(format, at, arguments, next, 0);
        int precision = -1;
        if (at < format.size() && format[at] == '.') {
            ++at;
            precision = ReadNumber(format, at, arguments, next, 0);
        }
        if (at >= format.size()) BadFormat(format);
        const char kind = static_cast<char>(format[at] | 0x20);
        const Variant& value = Next(format, arguments, next);
        std::string text;
        switch (kind) {
        case 'd': {
            if (!value.IsOrdinal()) BadFormat(format);
            const std::int64_t number = value.AsInt64();
            text = std::to_string(number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number));
            if (precision > static_cast<int>(text.size())) text.insert(0, static_cast<std::size_t>(precision) - text.size(), '0');
            if (number < 0) text.insert(0, "-");
            break;
        }
        case 'u': text = std::to_string(static_cast<std::uint64_t>(value.AsInt64()) & kUnsignedMask); break;
        case 'x': {
            if (!value.IsOrdinal()) BadFormat(format);
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%" PRIX64, static_cast<std::uint64_t>(value.AsInt64()) & kUnsignedMask);
            text = buffer;
            if (precision > static_cast<int>(text.size())) text.insert(0, static_cast<std::size_t>(precision) - text.size(), '0');
            break;
        }
        case 'e': text = FloatToStrF(value.AsDouble(), TFloatFormat::ffExponent, precision < 0 ? kDefaultPrecision : precision, kExponentDigits); break;
        case 'f': text = FloatToStrF(value.AsDouble(), TFloatFormat::ffFixed, kDefaultPrecision, precision < 0 ? kDefaultDecimals : precision); break;
        case 'g': text = FloatToStrF(value.AsDouble(), TFloatFormat::ffGeneral, precision < 0 ? kDefaultPrecision : precision, kExponentDigits); break;
        case 'n': text = FloatToStrF(value.AsDouble(), TFloatFormat::ffNumber, kDefaultPrecision, precision < 0 ? kDefaultDecimals : precision); break;
        case 'm': text = FloatToStrF(value.AsDouble(), TFloatFormat::ffCurrency, kDefaultPrecision, precision < 0 ? kDefaultDecimals : precision); break;
        case 's':
            text = value.IsNull() ? std::string() : value.AsString();
            if (precision >= 0 && precision < static_cast<int>(text.size())) text.resize(static_cast<std::size_t>(precision));
            break;
        default: BadFormat(format);
        }
        out += Pad(std::move(text), width, left);
    }
    return out;
}

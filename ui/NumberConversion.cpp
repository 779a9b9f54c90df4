#include "ui/NumberConversion.h"

#include "ui/Exceptions.h"

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

}  // namespace

std::int32_t StrToInt(std::string_view text) {
    if (auto value = ParseInteger(text)) return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

#include "report/utils/Conversions.h"

#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/StringList.h"

#include <cmath>
#include <cstdio>
#include <zlib.h>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    throw EConvertError("'" + std::string(1, c) + "' is not a valid hexadecimal digit");
}

template <class Text>
Text FindBracketed(const Text& text, const Text& open, const Text& close, std::size_t& i, std::size_t& j) {
    j = i;
    if (text.empty() || text.size() < i) return {};
    bool inDouble = false;
    bool inSingle = false;
    int depth = 0;
    for (;; ++j) {
        if (j >= text.size()) break;
        if (!inDouble && !inSingle) {
            if (text.compare(j, open.size(), open) == 0) {
                if (depth == 0) i = j;
                ++depth;
            } else if (text.compare(j, close.size(), close) == 0) {
                --depth;
            }
        }
        if (text[j] == '"' && !inSingle) inDouble = !inDouble;
        else if (text[j] == '\'' && !inDouble) inSingle = !inSingle;
        if (depth == 0) break;
    }
    std::size_t from = std::min(text.size(), i + open.size());
    std::size_t count = j > from ? j - from : 0;
    Text result = text.substr(from, count);
    if (j != i) j = j + close.size() - 1;
    return result;
}

}  // namespace

double rpTextToFloat(std::string_view text) {
    std::string cleaned;
    for (char c : text)
        if (c != ' ') cleaned += c == '.' ? ',' : c;
    return StrToFloat(cleaned);
}

std::string rpFloatToText(double value) {
    if (value == std::floor(value)) return FloatToStr(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%2.2f", value);
    std::string out = buffer;
    for (char& c : out)
        if (c == '.') c = ',';
    return out;
}

std::string rpNextToken(std::string_view text, std::size_t& position, std::string_view delimiters) {
    std::size_t start = std::min(position, text.size());
    std::size_t end = text.find_first_of(delimiters, start);
    if (end == std::string_view::npos) {
        position = text.size();
        return std::string(text.substr(start));
    }
    position = end + 1;
    return std::string(text.substr(start, end - start));
}

void rpSplitString(std::string_view text, TStrings& list, std::string_view delimiters) {
    list.Clear();
    std::size_t position = 0;
    while (position < text.size()) list.Add(rpNextToken(text, position, delimiters));
}

std::string rpStreamToHex(TMemoryStream& stream) {
    std::string out;
    out.reserve(static_cast<std::size_t>(stream.Size()) * 2);
    for (char c : stream.Bytes()) {
        auto b = static_cast<unsigned char>(c);
        out += kHexDigits[b >> 4];
        out += kHexDigits[b & 0xF];
    }
    return out;
}

void rpHexToStream(std::string_view hex, TMemoryStream& stream) {
    std::string bytes(hex.size() / 2, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(HexValue(hex[2 * i]) << 4 | HexValue(hex[2 * i + 1]));
    stream.SetPosition(0);
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

std::uint32_t rpCrc32OfStream(TMemoryStream& stream) {
    auto bytes = stream.Bytes();
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
    return static_cast<std::uint32_t>(crc);
}

std::string rpEscapeHighChars(std::string_view text, bool encode) {
    constexpr char kEscape = 1;
    constexpr int kHighStart = 128;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto b = static_cast<unsigned char>(text[i]);
        if (encode && b >= kHighStart) {
            out += kEscape;
            out += static_cast<char>(b - kHighStart);
        } else if (!encode && text[i] == kEscape && i + 1 < text.size()) {
            out += static_cast<char>(static_cast<unsigned char>(text[++i]) + kHighStart);
        } else {
            out += text[i];
        }
    }
    return out;
}

void rpParsePageList(std::string_view text, TStrings& list, int lastPage) {
    list.Clear();
    std::string cleaned;
    for (char c : text)
        if (c != ' ') cleaned += c;
    if (cleaned.empty()) return;
    if (cleaned.back() == '-') cleaned += std::to_string(lastPage);
    std::size_t position = 0;
    while (position < cleaned.size()) {
        std::string item = rpNextToken(cleaned, position, ",");
        std::size_t dash = item.find('-');
        if (dash == std::string::npos) {
            list.Add(std::to_string(StrToInt(item)));
            continue;
        }
        int from = StrToInt(item.substr(0, dash));
        int to = StrToInt(item.substr(dash + 1));
        if (static_cast<std::int64_t>(to) - from >= kMaxPageRange)
            throw EConvertError("'" + item + "' is not a valid page range");
        for (int page = from; page <= to; ++page) list.Add(std::to_string(page));
    }
}

std::string rpFindBracketed(std::string_view text, std::string_view open, std::string_view close,
                            std::size_t& start, std::size_t& end) {
    return FindBracketed(std::string(text), std::string(open), std::string(close), start, end);
}

std::u16string rpFindBracketedW(std::u16string_view text, std::u16string_view open, std::u16string_view close,
                                std::size_t& start, std::size_t& end) {
    return FindBracketed(std::u16string(text), std::u16string(open), std::u16string(close), start, end);
}

#include "skin/core/utils/SkinText.h"

#include "ui/core/FloatFormatting.h"
#include "ui/core/NumberConversion.h"

#include <algorithm>

namespace {

constexpr std::size_t kFloatTextLimit = 63;

}  // namespace

TSkCharSet MakeCharSet(std::string_view characters) {
    TSkCharSet set;
    for (char c : characters) set.set(static_cast<unsigned char>(c));
    return set;
}

std::int64_t HexToInt64(std::string_view text) {
    if (!text.empty() && (text.back() == 'H' || text.back() == 'h')) text.remove_suffix(1);
    std::uint64_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return 0;
        value = value * 16 + static_cast<unsigned>(digit);  // wraps like the 64-bit original
    }
    return static_cast<std::int64_t>(value);
}

bool TextIsFloat(std::string_view text, double& value, char decimalSeparator) {
    for (char c : text) {
        bool allowed = c == '+' || c == '-' || (c >= '0' && c <= '9') || c == 'E' || c == 'e' || c == decimalSeparator;
        if (!allowed) return false;
    }
    std::string head(text.substr(0, kFloatTextLimit));
    try {
        value = StrToFloat(head);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string GroupThousands(std::string_view text, bool group, char thousandSeparator, char decimalSeparator) {
    std::size_t end = text.find_first_of(std::string{decimalSeparator, 'E', 'e'});
    if (end == std::string_view::npos) end = text.size();
    std::size_t start = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (!group || end <= start) return std::string(text);
    std::string result(text.substr(0, start));
    result += ::GroupThousands(std::string(text.substr(start, end - start)), thousandSeparator);
    result += text.substr(end);
    return result;
}

std::size_t NthWordStart(int n, std::string_view text, const TSkCharSet& delimiters) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool startsWord = !CharInCharSet(text[i], delimiters) && (i == 0 || CharInCharSet(text[i - 1], delimiters));
        if (startsWord && ++count == n) return i + 1;
    }
    return 0;
}

std::string NthWord(int n, std::string_view text, const TSkCharSet& delimiters) {
    std::size_t start = NthWordStart(n, text, delimiters);
    if (start == 0) return {};
    std::size_t end = start - 1;
    while (end < text.size() && !CharInCharSet(text[end], delimiters)) ++end;
    return std::string(text.substr(start - 1, end - (start - 1)));
}

int CountWords(std::string_view text, const TSkCharSet& delimiters) {
    int count = 0;
    while (NthWordStart(count + 1, text, delimiters) != 0) ++count;
    return count;
}

std::string CharString(char c, int n) { return n <= 0 ? std::string() : std::string(static_cast<std::size_t>(n), c); }

std::string TrimLeftBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRightBlanks(std::string_view text) {
    std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimBlanks(std::string_view text) { return TrimLeftBlanks(TrimRightBlanks(text)); }

std::string RemoveChar(std::string_view text, char c) {
    std::string result(text);
    result.erase(std::remove(result.begin(), result.end(), c), result.end());
    return result;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
        result.append(text.substr(pos, hit - pos));
        result.append(to);
    }
    result.append(text.substr(pos));
    return result;
}

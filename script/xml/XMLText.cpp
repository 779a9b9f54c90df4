#include "script/xml/XMLText.h"

#include "common/TextFormatting.h"
#include "platform/text/Utf8Text.h"
#include "ui/core/Exceptions.h"

#include <cstdint>

namespace {

constexpr std::string_view kQuotEntity = "&quot;";
constexpr char32_t kLargestCode = 0x10FFFF;

bool NeedsCharacterReference(char c) {
    return c == '\n' || c == '\r' || c == '"' || c == '<' || c == '>';
}

[[noreturn]] void RaiseBadReference(std::size_t at) {
    throw Exception(FormatString("Неверная ссылка на символ «&#...;» в значении XML, позиция %d",
                                 {static_cast<int>(at + 1)}));
}

}  // namespace

std::string EncodeXMLText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // An ampersand that would read back as the start of an entity is
        // escaped itself, so every value reads back as it was written: a
        // script's string '&#60;' stays those five characters.
        const bool startsEntity = c == '&' && (text.substr(i + 1, 1) == "#" || text.substr(i, kQuotEntity.size()) == kQuotEntity);
        if (NeedsCharacterReference(c) || startsEntity) {
            out += "&#" + std::to_string(static_cast<unsigned char>(c)) + ";";
        } else {
            out += c;
        }
    }
    return out;
}

std::string DecodeXMLText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    // The last character never starts a sequence.
    while (i < text.size()) {
        const bool startsReference = text[i] == '&' && i + 1 < text.size() && text[i + 1] == '#';
        if (startsReference && text.size() - i >= 3) {
            const std::size_t end = text.find(';', i + 2);
            if (end == std::string_view::npos || end == i + 2) RaiseBadReference(i);
            std::uint32_t code = 0;
            for (std::size_t d = i + 2; d < end; ++d) {
                if (text[d] < '0' || text[d] > '9') RaiseBadReference(i);
                code = code * 10 + static_cast<std::uint32_t>(text[d] - '0');
                if (code > kLargestCode) RaiseBadReference(i);
            }
            platform::AppendUtf8(out, code);
            i = end + 1;
        } else if (text.substr(i, kQuotEntity.size()) == kQuotEntity) {
            out += '"';
            i += kQuotEntity.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

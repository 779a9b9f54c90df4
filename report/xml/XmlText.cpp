#include "report/xml/XmlText.h"

#include "ui/core/NumberConversion.h"

#include <array>

namespace {

constexpr std::string_view kQuotEntity = "&quot;";
constexpr std::string_view kNumericReferenceStart = "&#";

bool NeedsReference(char c) { return c == '\n' || c == '\r' || c == '"' || c == '&' || c == '<' || c == '>'; }

struct NamedEntity {
    std::string_view text;
    char character;
};
constexpr std::array<NamedEntity, 4> kNamedEntities = {{
    {"&quot;", '"'},
    {"&amp;", '&'},
    {"&lt;", '<'},
    {"&gt;", '>'},
}};

}  // namespace

std::string EscapeAttrText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (!NeedsReference(c)) {
            out += c;
        } else if (text.substr(i, kQuotEntity.size()) == kQuotEntity) {
            out += "&#34;";
            i += kQuotEntity.size() - 1;
        } else {
            out += "&#" + std::to_string(static_cast<unsigned char>(c)) + ";";
        }
    }
    return out;
}

std::string UnescapeAttrText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        std::string_view rest = text.substr(i);
        if (rest.size() > kNumericReferenceStart.size() && rest.starts_with(kNumericReferenceStart)) {
            std::size_t end = rest.find(';');
            if (end != std::string_view::npos) {
                std::string_view digits = rest.substr(2, end - 2);
                int code = StrToInt(digits);
                out += static_cast<char>(static_cast<unsigned>(code) & 0xFF);
                i += end + 1;
                continue;
            }
        }
        bool named = false;
        for (const auto& entity : kNamedEntities) {
            if (rest.starts_with(entity.text)) {
                out += entity.character;
                i += entity.text.size();
                named = true;
                break;
            }
        }
        if (!named) out += text[i++];
    }
    return out;
}

std::string VariantAttrText(const TrpValue& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "1" : "0"; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(double d) const { return FloatToStr(d); }
        std::string operator()(const std::string& s) const { return EscapeAttrText(s); }
    };
    return std::visit(Visitor{}, value);
}

std::string AttributeText(std::string_view name, std::string_view value) {
    std::string text = " ";
    text += name;
    text += "=\"";
    text += value;
    text += '"';
    return text;
}

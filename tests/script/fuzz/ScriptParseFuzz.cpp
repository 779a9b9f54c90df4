// Any bytes as a PascalScript source (up to a first zero byte) and as the
// text of every unit it names (after it): parsing must stay inside the text
// and the stack, report an error with a position or give an intermediate
// form that reads back as written; the source escaped for XML must unescape
// to itself. Bytes that begin with "<" are also read as an XML document.
#include "script/grammar/ScriptGrammars.h"
#include "script/parser/ILParser.h"
#include "script/xml/XMLDocument.h"
#include "script/xml/XMLText.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool IsPosition(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size()) return false;
    return text.find_first_not_of("0123456789:") == std::string::npos;
}

std::string Written(const TscXMLDocument& document) {
    TStringStream stream;
    document.SaveToStream(stream);
    return stream.DataString();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = (RegisterScriptGrammars(), true);
    (void)registered;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t zero = input.find('\0');
    const std::string_view source = input.substr(0, zero);
    const std::string unit = zero == std::string_view::npos ? std::string() : std::string(input.substr(zero + 1));

    TscCompileTarget script;
    script.ExtendedCharset = size % 2 == 1;
    script.OnGetUnit = [&unit](const std::string&, std::string& text) { text = unit; };
    TscILParser parser(script);
    parser.SelectLanguage("PascalScript");
    bool ok = false;
    try {
        ok = parser.ParseSource(source);
    } catch (const Exception&) {
        // Only a "#language" directive naming no registered grammar, in the
        // source or in a unit, may raise.
        const bool directive = (!source.empty() && source[0] == '#') || (!unit.empty() && unit[0] == '#');
        if (!directive) std::abort();
        return 0;
    }
    if (ok) {
        if (!script.ErrorMessage.empty()) std::abort();
        const std::string il = Written(parser.ILDocument());
        TscXMLDocument back;
        TStringStream stream(il);
        back.LoadFromStream(stream);
        if (Written(back) != il) std::abort();
    } else if (!script.ErrorMessage.empty() && !IsPosition(script.ErrorPosition)) {
        std::abort();
    }

    // Escaping gives every value back as it was.
    if (DecodeXMLText(EncodeXMLText(source)) != source) std::abort();

    if (!input.empty() && input[0] == '<') {
        TscXMLDocument document;
        TStringStream stream{std::string(input)};
        try {
            document.LoadFromStream(stream);
        } catch (const Exception&) {
        }
    }
    return 0;
}

#include "report/text/CodePages.h"

#include "platform/system/Languages.h"
#include "platform/system/LastError.h"
#include "platform/text/Fonts.h"
#include "report/text/Utf16Text.h"
#include "report/text/detail/SingleByteTables.h"
#include "ui/core/Exceptions.h"
#include "ui/core/OSError.h"

#include "platform/text/Utf8Text.h"

#include <algorithm>
#include <utility>

namespace {

struct CharsetCodePage {
    std::uint8_t charset;
    std::uint32_t codePage;
};

// The system's character-set table.
constexpr CharsetCodePage kCharsetCodePages[] = {
    {0, 1252},   {2, 42},     {128, 932},  {129, 949},  {130, 1361}, {134, 936}, {136, 950}, {161, 1253},
    {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250},
};

constexpr std::pair<std::uint8_t, std::uint32_t> kCharsetLocales[] = {
    {128, 1041}, {129, 1042}, {130, 2066}, {134, 2052},  {136, 3076}, {161, 1032}, {162, 1055},
    {163, 1066}, {177, 1037}, {178, 13313}, {186, 1061}, {204, 1049}, {222, 1054}, {238, 1029},
};

std::uint32_t ResolveCodePage(std::uint8_t charset, std::uint32_t codePage) {
    if (codePage == CP_ACP) codePage = CharSetToCodePage(charset);
    if (codePage == CP_OEMCP) return kSystemOemCodePage;
    if (codePage == CP_MACCP) return kSystemMacCodePage;
    return codePage;
}

}  // namespace

std::uint32_t CharSetToCodePage(std::uint32_t charset) {
    switch (charset) {
        case platform::DEFAULT_CHARSET: return kSystemAnsiCodePage;
        case platform::MAC_CHARSET: return CP_MACCP;
        case platform::OEM_CHARSET: return CP_OEMCP;
        default: break;
    }
    for (const auto& entry : kCharsetCodePages)
        if (entry.charset == charset) return entry.codePage;
    throw Exception(SysErrorMessage(platform::ERROR_INVALID_PARAMETER));
}

std::u16string AnsiToUnicode(std::string_view text, std::uint8_t charset, std::uint32_t codePage) {
    if (text.empty()) return {};
    codePage = ResolveCodePage(charset, codePage);
    if (codePage == CP_UTF8) return Utf8ToUtf16(text);
    const auto* upper = report_detail::UpperHalfOf(codePage);
    if (!upper) return {};
    std::u16string out;
    out.reserve(text.size());
    for (char ch : text) {
        auto b = static_cast<unsigned char>(ch);
        out += b < 0x80 ? char16_t(b) : (*upper)[b - 0x80];
    }
    return out;
}

std::string UnicodeToAnsi(std::u16string_view text, std::uint8_t charset, std::uint32_t codePage) {
    if (text.empty()) return {};
    codePage = ResolveCodePage(charset, codePage);
    if (codePage == CP_UTF8) return Utf16ToUtf8(text);
    const auto* upper = report_detail::UpperHalfOf(codePage);
    if (!upper) return {};
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        auto found = std::find(upper->begin(), upper->end(), c);
        if (found == upper->end()) return {};
        out += static_cast<char>(0x80 + (found - upper->begin()));
    }
    return out;
}

std::uint32_t CharsetToLocale(std::uint8_t charset) {
    for (const auto& [set, locale] : kCharsetLocales)
        if (set == charset) return locale;
    return platform::GetSystemDefaultLangID();
}

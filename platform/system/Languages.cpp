#include "platform/system/Languages.h"

#include <cstdlib>
#include <string>

namespace platform {

namespace {

struct LanguageCode {
    std::string_view code;
    WORD primary;
};

// The languages whose identifiers the program may meet.
constexpr LanguageCode kLanguages[] = {
    {"ar", 0x01}, {"bg", 0x02}, {"ca", 0x03}, {"zh", 0x04}, {"cs", 0x05}, {"da", 0x06}, {"de", 0x07},
    {"el", 0x08}, {"en", LANG_ENGLISH}, {"es", 0x0A}, {"fi", 0x0B}, {"fr", 0x0C}, {"he", 0x0D}, {"hu", 0x0E},
    {"it", 0x10}, {"ja", LANG_JAPANESE}, {"ko", 0x12}, {"nl", 0x13}, {"nb", 0x14}, {"no", 0x14}, {"pl", 0x15},
    {"pt", 0x16}, {"ro", 0x18}, {"ru", LANG_RUSSIAN}, {"sk", 0x1B}, {"sv", 0x1D}, {"tr", 0x1F}, {"uk", 0x22},
    {"be", 0x23}, {"lt", 0x27}, {"kk", 0x3F},
};

}  // namespace

LANGID LangIdOfLocale(std::string_view locale) {
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    for (const LanguageCode& language : kLanguages)
        if (language.code == code) return MAKELANGID(language.primary, SUBLANG_DEFAULT);
    return MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);
}

LANGID GetSystemDefaultLangID() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value && *value) return LangIdOfLocale(value);
    return LangIdOfLocale("");
}

}  // namespace platform

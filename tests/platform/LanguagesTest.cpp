// The system language from locale names.

#include "platform/system/Languages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace platform;

TEST(Languages, LocaleNamesGiveLanguageIdentifiers) {
    const struct {
        const char* locale;
        LANGID id;
    } cases[] = {
        {"ja_JP.UTF-8", 0x0411}, {"ru_RU.UTF-8", 0x0419}, {"en_US", 0x0409}, {"ru", 0x0419},
        {"de_DE@euro", 0x0407},  {"C", 0x0400},           {"POSIX", 0x0400}, {"", 0x0400},
        {"jap_XX", 0x0400},
    };
    for (const auto& c : cases) EXPECT_EQ(LangIdOfLocale(c.locale), c.id) << c.locale;
    EXPECT_EQ(PRIMARYLANGID(LangIdOfLocale("ja_JP")), LANG_JAPANESE);
}

TEST(Languages, TheFirstSetLocaleVariableDecides) {
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::string saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = std::getenv(names[i]);
        had[i] = v != nullptr;
        if (v) saved[i] = v;
    }
    setenv("LC_ALL", "", 1);  // set but empty: passed over
    setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
    setenv("LANG", "ru_RU.UTF-8", 1);
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0411);
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0419);
    for (int i = 0; i < 3; ++i) {
        if (had[i])
            setenv(names[i], saved[i].c_str(), 1);
        else
            unsetenv(names[i]);
    }
}

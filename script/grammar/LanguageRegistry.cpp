#include "script/grammar/LanguageRegistry.h"

#include "script/grammar/LoadedGrammar.h"
#include "script/messages/ScriptMessages.h"
#include "ui/core/Exceptions.h"
#include "ui/core/TextCase.h"

#include <algorithm>
#include <vector>

namespace {

struct Language {
    std::string name;
    std::string grammar;
    std::shared_ptr<const LoadedGrammar> loaded;
};

std::vector<Language>& Languages() {
    static std::vector<Language> languages;
    return languages;
}

std::vector<Language>::iterator FindLanguage(std::string_view name) {
    return std::find_if(Languages().begin(), Languages().end(),
                        [name](const Language& language) { return AnsiSameText(language.name, name); });
}

}  // namespace

void RegisterLanguage(std::string_view name, std::string_view grammarText) {
    auto it = FindLanguage(name);
    if (it != Languages().end()) {
        it->grammar = std::string(grammarText);
        it->loaded.reset();
        return;
    }
    Languages().push_back({std::string(name), std::string(grammarText), nullptr});
}

namespace {

Language& FoundLanguage(std::string_view name) {
    auto it = FindLanguage(name);
    if (it == Languages().end()) throw Exception(ScriptMessageWith(SLangNotFound, std::string(name)));
    return *it;
}

}  // namespace

std::string LanguageText(std::string_view name) { return FoundLanguage(name).grammar; }

std::shared_ptr<const LoadedGrammar> LanguageGrammar(std::string_view name) {
    Language& language = FoundLanguage(name);
    if (!language.loaded) language.loaded = std::make_shared<const LoadedGrammar>(language.grammar);
    return language.loaded;
}

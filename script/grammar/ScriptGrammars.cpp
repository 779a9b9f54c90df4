#include "script/grammar/ScriptGrammars.h"

#include "script/grammar/LanguageRegistry.h"

void RegisterScriptGrammars() {
    RegisterLanguage("PascalScript", PascalScriptGrammarText());
    RegisterLanguage("C++Script", CppScriptGrammarText());
    RegisterLanguage("BasicScript", BasicScriptGrammarText());
    RegisterLanguage("JScript", JScriptGrammarText());
}

#include "script/grammar/ScriptGrammars.h"

#include "script/grammar/LanguageRegistry.h"

void RegisterScriptGrammars() { RegisterLanguage("PascalScript", PascalScriptGrammarText()); }

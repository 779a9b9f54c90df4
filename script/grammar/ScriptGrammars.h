#pragma once
// The dialects the program registers at start-up, and their grammar texts,
// which are built into the program from script/grammar/*.xml.

#include <string_view>

std::string_view PascalScriptGrammarText();
std::string_view CppScriptGrammarText();
std::string_view BasicScriptGrammarText();
std::string_view JScriptGrammarText();

// Registers every built-in grammar under its dialect name.
void RegisterScriptGrammars();

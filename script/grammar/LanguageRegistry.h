#pragma once
// The process-wide list of script dialects: a name (case ignored) and the
// grammar text that defines it.

#include <memory>
#include <string>
#include <string_view>

class LoadedGrammar;

// Replaces the grammar of that name, or adds it.
void RegisterLanguage(std::string_view name, std::string_view grammarText);
// Raises "Language '%s' not found" when no grammar has that name.
std::string LanguageText(std::string_view name);
// The grammar of that name read into its tree and rules, read on first use
// after each registration; raises as LanguageText does, or "Invalid file
// format" for a broken grammar text.
std::shared_ptr<const LoadedGrammar> LanguageGrammar(std::string_view name);

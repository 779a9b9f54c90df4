#pragma once
// The process-wide list of script dialects: a name (case ignored) and the
// grammar text that defines it.

#include <string>
#include <string_view>

// Replaces the grammar of that name, or adds it.
void RegisterLanguage(std::string_view name, std::string_view grammarText);
// Raises "Language '%s' not found" when no grammar has that name.
std::string LanguageText(std::string_view name);

#pragma once
// A registered grammar read once: its XML tree and its rules, shared by the
// parsers that select it until the language is registered again. A report
// compiles each expression as a script of its own, so reading the grammar
// for every one would cost more than the parse.

#include "script/grammar/GrammarRules.h"
#include "script/xml/XMLDocument.h"

#include <memory>
#include <string_view>

class LoadedGrammar {
public:
    // Raises "Invalid file format" for a broken text.
    explicit LoadedGrammar(std::string_view text);
    LoadedGrammar(const LoadedGrammar&) = delete;
    LoadedGrammar& operator=(const LoadedGrammar&) = delete;

    // The top element `language`.
    const TscXMLItem& Language() const { return *document_.Root(); }
    const GrammarRules& Rules() const { return *rules_; }

private:
    TscXMLDocument document_;
    std::unique_ptr<GrammarRules> rules_;
};

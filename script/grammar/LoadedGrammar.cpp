#include "script/grammar/LoadedGrammar.h"

#include "ui/core/MemoryStream.h"

LoadedGrammar::LoadedGrammar(std::string_view text) {
    TStringStream stream{std::string(text)};
    document_.LoadFromStream(stream);
    rules_ = std::make_unique<GrammarRules>(*document_.Root());
}

#pragma once
// Member objects: entries that act on the value of the designator chain
// before them (the instance). The designator sets the three fields before
// it reads or writes the member.

#include "script/core/CustomVariable.h"

class TscScript;

class TscCustomHelper : public TscCustomVariable {
public:
    using TscCustomVariable::TscCustomVariable;

    TscCustomVariable* ParentRef = nullptr;
    Variant ParentValue;
    TscScript* Program = nullptr;
};

// An element of the parent entry's array, reached in place so that a write
// changes the variable's array. Indexes come from the parameters.
class TscArrayHelper : public TscCustomHelper {
public:
    // dimCount parameters, all required; -1: three, the last two optional.
    TscArrayHelper(std::string name, std::string typeName, TscVarType type, int dimCount);

    Variant GetValue() override;
    void SetValue(const Variant& value) override;

private:
    std::vector<int> Indexes(const Variant& array) const;
};

// One character (code point) of the parent value's text, by a 1-based
// index outside which it raises EScriptRangeError; a write stores the
// changed text into the parent entry.
class TscStringHelper : public TscCustomHelper {
public:
    TscStringHelper();

    Variant GetValue() override;
    void SetValue(const Variant& value) override;
};

// The character (a code point's UTF-8 bytes) of a text at a 1-based index;
// EScriptRangeError outside the text.
std::string CharacterAt(const std::string& text, const Variant& index);
// Replaces that character by the first character of the replacement (a
// zero character when it is empty); EScriptRangeError outside the text.
void ReplaceCharacterAt(std::string& text, const Variant& index, const std::string& replacement);

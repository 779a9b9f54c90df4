#pragma once
// Declaration strings of host routines ("function IntToStr(i: Integer):
// String"), the assignment rule between two typed entries and the values
// of literal texts, shared by the program builder and the bindings.

#include "script/core/CustomVariable.h"

#include <memory>
#include <string>

class TscScript;

// An entry with the routine's name, result type, macro flag and its
// parameters (TscParamItem) as items. Raises EScriptError on a text that is
// no declaration.
std::unique_ptr<TscCustomVariable> ParseDeclaration(const std::string& declaration, const TscScript& script);

// TypesCompatible of the entries' types, except that a real never goes
// into an integer.
bool AssignCompatible(const TscCustomVariable& target, const TscCustomVariable& source, const TscScript& program);

// The value of a literal as the tokenizer gives it: a quoted string, an
// integer (with "$" for hexadecimal; Int64 beyond 32 bits), else a real
// with a decimal point; Null for an empty text.
Variant ConvertLiteral(const std::string& text);
